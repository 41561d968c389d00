#pragma once
// The departement outlines of the map: each departement's code, name and
// rings read from the SVG paths, and the geometry the map window needs
// (which departement a point falls in, whether a box lies inside one).
// Coordinates are the SVG's own units (its viewBox).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brivant {

struct MapPoint {
  double x = 0;
  double y = 0;
};

struct MapRect {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;

  double right() const { return x + width; }
  double bottom() const { return y + height; }
  MapPoint centre() const { return {x + width / 2, y + height / 2}; }
  bool contains(MapPoint p) const { return p.x >= x && p.x <= right() && p.y >= y && p.y <= bottom(); }
};

using MapRing = std::vector<MapPoint>;

struct DeptShape {
  std::string code;  // the path's id: "01" to "95", "2A", "2B"
  std::string name;  // UTF-8, from the path's aria-label
  int box = 0;       // the box of the departement: its number, Corsica 96 and 97
  std::vector<MapRing> rings;
  MapRect bounds;
  std::size_t elementStart = 0;  // offset of "<path" in the document
};

struct DeptMap {
  MapRect viewBox;
  std::vector<DeptShape> shapes;  // in document order
};

// Reads the document's viewBox and its paths.  Path data may use the move,
// line, horizontal, vertical and close commands (absolute or relative).
// Nothing when the document has no viewBox, a path has no id naming a
// departement, or its data cannot be read.
std::optional<DeptMap> parseDeptMap(std::string_view svg);

// The shipped outlines, read once.
const DeptMap& shippedDeptMap();

// Inside by the even-odd rule (holes and islands are rings of their own).
bool shapeContains(const DeptShape& shape, MapPoint point);

// The whole rectangle inside: its centre inside and no edge of the outline
// entering it.
bool shapeContainsRect(const DeptShape& shape, const MapRect& rect);

// The departement under a point, or nullptr.
const DeptShape* shapeAt(const DeptMap& map, MapPoint point);

// The departement of a box, or nullptr (boxes 0, 20, 98, 99 have none).
const DeptShape* shapeOfBox(const DeptMap& map, int box);

}  // namespace brivant
