#include "stats/DeptShapes.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

#include "entry/DeptTally.h"
#include "stats/DepartementsSvg.h"

namespace brivant {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ','; }

// Reads the numbers and command letters of SVG path data.
class PathReader {
 public:
  explicit PathReader(std::string_view data) : data_(data) {}

  // The next command letter, or 0 when a number (or the end) comes first.
  char command() {
    skipBlanks();
    if (pos_ < data_.size() && isCommandLetter(data_[pos_])) return data_[pos_++];
    return 0;
  }
  bool atNumber() {
    skipBlanks();
    if (pos_ >= data_.size()) return false;
    const char c = data_[pos_];
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.';
  }
  bool atEnd() {
    skipBlanks();
    return pos_ >= data_.size();
  }
  std::optional<double> number() {
    skipBlanks();
    if (pos_ < data_.size() && data_[pos_] == '+') ++pos_;
    double value = 0;
    const char* first = data_.data() + pos_;
    const auto [end, error] = std::from_chars(first, data_.data() + data_.size(), value);
    if (error != std::errc() || end == first) return std::nullopt;
    pos_ += static_cast<std::size_t>(end - first);
    return value;
  }

 private:
  static bool isCommandLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
  void skipBlanks() {
    while (pos_ < data_.size() && isBlank(data_[pos_])) ++pos_;
  }

  std::string_view data_;
  std::size_t pos_ = 0;
};

std::optional<std::vector<MapRing>> parsePathData(std::string_view data) {
  PathReader reader(data);
  std::vector<MapRing> rings;
  MapRing ring;
  MapPoint current;
  MapPoint start;
  const auto closeRing = [&] {
    if (ring.size() >= 3) rings.push_back(std::move(ring));
    ring.clear();
  };
  const auto lineTo = [&](MapPoint p) {
    if (ring.empty()) ring.push_back(current);
    current = p;
    ring.push_back(p);
  };

  char command = reader.command();
  if (command != 'M' && command != 'm') return std::nullopt;
  while (command != 0) {
    const bool relative = command >= 'a';
    const char kind = static_cast<char>(relative ? command - 'a' + 'A' : command);
    if (kind == 'Z') {
      closeRing();
      current = start;
    } else if (kind == 'M' || kind == 'L') {
      bool first = kind == 'M';
      do {
        const std::optional<double> x = reader.number();
        const std::optional<double> y = reader.number();
        if (!x || !y) return std::nullopt;
        const MapPoint p = relative ? MapPoint{current.x + *x, current.y + *y} : MapPoint{*x, *y};
        if (first) {
          // A move starts a new ring; the pairs after it draw lines.
          closeRing();
          current = start = p;
          first = false;
        } else {
          lineTo(p);
        }
      } while (reader.atNumber());
    } else if (kind == 'H' || kind == 'V') {
      do {
        const std::optional<double> v = reader.number();
        if (!v) return std::nullopt;
        MapPoint p = current;
        double& coordinate = kind == 'H' ? p.x : p.y;
        coordinate = relative ? coordinate + *v : *v;
        lineTo(p);
      } while (reader.atNumber());
    } else {
      return std::nullopt;  // curves and arcs: not in the shipped outlines
    }
    if (reader.atEnd()) break;
    command = reader.command();
    if (command == 0) return std::nullopt;  // a number where a command belongs
  }
  closeRing();
  if (rings.empty()) return std::nullopt;
  return rings;
}

std::string decodeEntities(std::string_view text) {
  static constexpr std::array<std::pair<std::string_view, char>, 5> Entities{
      {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}}};
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    bool replaced = false;
    if (text[i] == '&') {
      for (const auto& [entity, c] : Entities) {
        if (text.substr(i, entity.size()) == entity) {
          out += c;
          i += entity.size();
          replaced = true;
          break;
        }
      }
    }
    if (!replaced) out += text[i++];
  }
  return out;
}

// The value of an attribute inside one element's text, or nothing.
std::optional<std::string_view> attribute(std::string_view element, std::string_view name) {
  for (std::size_t at = element.find(name); at != std::string_view::npos; at = element.find(name, at + 1)) {
    // The name must stand alone: preceded by a blank, followed by '='.
    if (at == 0 || !isBlank(element[at - 1])) continue;
    std::size_t p = at + name.size();
    while (p < element.size() && isBlank(element[p])) ++p;
    if (p >= element.size() || element[p] != '=') continue;
    ++p;
    while (p < element.size() && isBlank(element[p])) ++p;
    if (p >= element.size() || (element[p] != '"' && element[p] != '\'')) return std::nullopt;
    const char quote = element[p];
    const std::size_t end = element.find(quote, p + 1);
    if (end == std::string_view::npos) return std::nullopt;
    return element.substr(p + 1, end - p - 1);
  }
  return std::nullopt;
}

std::optional<MapRect> parseViewBox(std::string_view svg) {
  const std::size_t open = svg.find("<svg");
  if (open == std::string_view::npos) return std::nullopt;
  const std::size_t close = svg.find('>', open);
  if (close == std::string_view::npos) return std::nullopt;
  const std::optional<std::string_view> text = attribute(svg.substr(open, close - open), "viewBox");
  if (!text) return std::nullopt;
  PathReader reader(*text);
  std::array<double, 4> v{};
  for (double& value : v) {
    const std::optional<double> n = reader.number();
    if (!n) return std::nullopt;
    value = *n;
  }
  if (v[2] <= 0 || v[3] <= 0) return std::nullopt;
  return MapRect{v[0], v[1], v[2], v[3]};
}

MapRect boundsOf(const std::vector<MapRing>& rings) {
  double left = std::numeric_limits<double>::max();
  double top = left;
  double right = std::numeric_limits<double>::lowest();
  double bottom = right;
  for (const MapRing& ring : rings) {
    for (const MapPoint& p : ring) {
      left = std::min(left, p.x);
      right = std::max(right, p.x);
      top = std::min(top, p.y);
      bottom = std::max(bottom, p.y);
    }
  }
  return {left, top, right - left, bottom - top};
}

// Whether the segment from a to b meets the closed rectangle (Liang-Barsky).
bool segmentMeetsRect(MapPoint a, MapPoint b, const MapRect& r) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const std::array<double, 4> p{-dx, dx, -dy, dy};
  const std::array<double, 4> q{a.x - r.x, r.right() - a.x, a.y - r.y, r.bottom() - a.y};
  double t0 = 0;
  double t1 = 1;
  for (std::size_t i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      if (t > t1) return false;
      t0 = std::max(t0, t);
    } else {
      if (t < t0) return false;
      t1 = std::min(t1, t);
    }
  }
  return true;
}

}  // namespace

std::optional<DeptMap> parseDeptMap(std::string_view svg) {
  const std::optional<MapRect> viewBox = parseViewBox(svg);
  if (!viewBox) return std::nullopt;
  DeptMap map;
  map.viewBox = *viewBox;
  for (std::size_t at = svg.find("<path"); at != std::string_view::npos; at = svg.find("<path", at + 1)) {
    const std::size_t end = svg.find('>', at);
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view element = svg.substr(at, end - at);
    const std::optional<std::string_view> id = attribute(element, "id");
    const std::optional<std::string_view> data = attribute(element, "d");
    if (!id || !data || id->size() != 2) return std::nullopt;
    const std::optional<int> box = deptBoxOfCode(*id);
    if (!box) return std::nullopt;
    std::optional<std::vector<MapRing>> rings = parsePathData(*data);
    if (!rings) return std::nullopt;
    DeptShape shape;
    shape.code = std::string(*id);
    shape.name = decodeEntities(attribute(element, "aria-label").value_or(""));
    shape.box = *box;
    shape.bounds = boundsOf(*rings);
    shape.rings = std::move(*rings);
    shape.elementStart = at;
    map.shapes.push_back(std::move(shape));
  }
  return map;
}

const DeptMap& shippedDeptMap() {
  static const DeptMap map = parseDeptMap(departementsSvg()).value_or(DeptMap{});
  return map;
}

bool shapeContains(const DeptShape& shape, MapPoint point) {
  if (!shape.bounds.contains(point)) return false;
  bool inside = false;
  for (const MapRing& ring : shape.rings) {
    for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
      const MapPoint& a = ring[i];
      const MapPoint& b = ring[j];
      if ((a.y > point.y) != (b.y > point.y) && point.x < a.x + (point.y - a.y) * (b.x - a.x) / (b.y - a.y))
        inside = !inside;
    }
  }
  return inside;
}

bool shapeContainsRect(const DeptShape& shape, const MapRect& rect) {
  if (!shapeContains(shape, rect.centre())) return false;
  for (const MapRing& ring : shape.rings) {
    for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
      if (segmentMeetsRect(ring[j], ring[i], rect)) return false;
    }
  }
  return true;
}

const DeptShape* shapeAt(const DeptMap& map, MapPoint point) {
  for (const DeptShape& shape : map.shapes)
    if (shapeContains(shape, point)) return &shape;
  return nullptr;
}

const DeptShape* shapeOfBox(const DeptMap& map, int box) {
  for (const DeptShape& shape : map.shapes)
    if (shape.box == box) return &shape;
  return nullptr;
}

}  // namespace brivant
