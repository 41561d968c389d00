#include "stats/DeptMapLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "entry/DeptTally.h"

namespace brivant {

namespace {

// Each box sits where it stays clearest of its departement's border (the
// check that every box lies inside its own outline is in the tests).
constexpr std::array<DepBoxPlace, 96> Places{
    {{1, {435.0, 314.8}, BoxSize::Normal},  {2, {364.1, 88.3}, BoxSize::Normal},
     {3, {341.4, 291.6}, BoxSize::Normal},  {4, {467.3, 435.9}, BoxSize::Normal},
     {5, {481.0, 395.9}, BoxSize::Normal},  {6, {515.3, 437.5}, BoxSize::Normal},
     {7, {395.4, 399.0}, BoxSize::Normal},  {8, {407.9, 99.3}, BoxSize::Normal},
     {9, {277.5, 498.1}, BoxSize::Normal},  {10, {391.0, 181.6}, BoxSize::Normal},
     {11, {314.4, 489.7}, BoxSize::Normal}, {12, {324.0, 413.6}, BoxSize::Normal},
     {13, {435.9, 464.3}, BoxSize::Normal}, {14, {197.3, 129.8}, BoxSize::Normal},
     {15, {325.2, 370.8}, BoxSize::Normal}, {16, {227.9, 325.5}, BoxSize::Normal},
     {17, {185.1, 322.7}, BoxSize::Normal}, {18, {322.3, 258.2}, BoxSize::Normal},
     {19, {289.4, 359.3}, BoxSize::Normal}, {21, {417.2, 238.8}, BoxSize::Normal},
     {22, {85.1, 172.9}, BoxSize::Normal},  {23, {300.6, 314.4}, BoxSize::Normal},
     {24, {246.6, 367.0}, BoxSize::Normal}, {25, {475.4, 249.6}, BoxSize::Normal},
     {26, {427.9, 400.2}, BoxSize::Normal}, {27, {256.8, 130.9}, BoxSize::Normal},
     {28, {272.3, 174.8}, BoxSize::Normal}, {29, {50.5, 168.0}, BoxSize::Normal},
     {30, {394.7, 432.4}, BoxSize::Normal}, {31, {276.9, 466.0}, BoxSize::Normal},
     {32, {235.2, 451.8}, BoxSize::Normal}, {33, {193.4, 392.1}, BoxSize::Normal},
     {34, {358.3, 457.1}, BoxSize::Normal}, {35, {147.5, 193.1}, BoxSize::Normal},
     {36, {280.0, 272.3}, BoxSize::Normal}, {37, {242.0, 241.7}, BoxSize::Normal},
     {38, {444.9, 363.5}, BoxSize::Normal}, {39, {453.8, 278.6}, BoxSize::Normal},
     {40, {183.0, 440.2}, BoxSize::Normal}, {41, {280.2, 231.0}, BoxSize::Normal},
     {42, {383.2, 329.8}, BoxSize::Normal}, {43, {373.3, 370.1}, BoxSize::Normal},
     {44, {141.8, 240.4}, BoxSize::Normal}, {45, {313.4, 203.6}, BoxSize::Normal},
     {46, {277.4, 407.1}, BoxSize::Normal}, {47, {233.2, 416.1}, BoxSize::Normal},
     {48, {360.9, 405.6}, BoxSize::Normal}, {49, {196.7, 234.9}, BoxSize::Normal},
     {50, {150.3, 101.4}, BoxSize::Normal}, {51, {394.6, 136.4}, BoxSize::Normal},
     {52, {432.6, 191.1}, BoxSize::Normal}, {53, {188.5, 182.1}, BoxSize::Normal},
     {54, {474.6, 160.1}, BoxSize::Normal}, {55, {438.9, 133.2}, BoxSize::Normal},
     {56, {102.1, 208.5}, BoxSize::Normal}, {57, {490.7, 134.7}, BoxSize::Normal},
     {58, {362.0, 252.3}, BoxSize::Normal}, {59, {359.0, 58.7}, BoxSize::Normal},
     {60, {319.6, 111.1}, BoxSize::Normal}, {61, {225.8, 156.6}, BoxSize::Normal},
     {62, {315.2, 43.1}, BoxSize::Normal},  {63, {345.8, 336.2}, BoxSize::Normal},
     {64, {187.4, 477.6}, BoxSize::Normal}, {65, {221.2, 494.9}, BoxSize::Normal},
     {66, {327.1, 512.4}, BoxSize::Normal}, {67, {530.3, 148.0}, BoxSize::Normal},
     {68, {516.5, 204.9}, BoxSize::Normal}, {69, {408.5, 333.4}, BoxSize::Normal},
     {70, {472.8, 215.7}, BoxSize::Normal}, {71, {399.1, 285.4}, BoxSize::Normal},
     {72, {225.0, 199.6}, BoxSize::Normal}, {73, {488.9, 354.8}, BoxSize::Normal},
     {74, {485.5, 315.4}, BoxSize::Normal}, {75, {312.6, 144.1}, BoxSize::Inset},
     {76, {266.9, 92.1}, BoxSize::Normal},  {77, {338.8, 162.4}, BoxSize::Normal},
     {78, {293.2, 143.2}, BoxSize::Normal}, {79, {200.4, 268.4}, BoxSize::Normal},
     {80, {308.9, 77.6}, BoxSize::Normal},  {81, {303.2, 447.0}, BoxSize::Normal},
     {82, {265.3, 432.5}, BoxSize::Normal}, {83, {472.4, 467.0}, BoxSize::Normal},
     {84, {427.4, 432.0}, BoxSize::Normal}, {85, {164.6, 280.6}, BoxSize::Normal},
     {86, {234.6, 286.3}, BoxSize::Normal}, {87, {265.3, 332.2}, BoxSize::Normal},
     {88, {487.6, 185.1}, BoxSize::Normal}, {89, {360.2, 211.7}, BoxSize::Normal},
     {90, {501.9, 217.0}, BoxSize::Small},  {91, {309.3, 166.3}, BoxSize::Normal},
     {92, {308.0, 147.5}, BoxSize::Inset},  {93, {318.2, 140.2}, BoxSize::Inset},
     {94, {316.5, 148.8}, BoxSize::Inset},  {95, {311.4, 131.4}, BoxSize::Normal},
     {96, {589.0, 553.5}, BoxSize::Normal}, {97, {597.1, 525.1}, BoxSize::Normal}}};

constexpr double SmallBoxScale = 0.6;

std::string fillOf(int level) {
  const std::optional<GridRgb> rgb = gridLevelRgb(level);
  if (!rgb) return "none";
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb->red, rgb->green, rgb->blue);
  return text;
}

}  // namespace

const std::array<DepBoxPlace, 96>& depBoxPlaces() { return Places; }

MapRect depBoxOnGround(const DepBoxPlace& place) {
  double scale = 1;
  if (place.size == BoxSize::Small) scale = SmallBoxScale;
  if (place.size == BoxSize::Inset) scale = 1 / ParisInset.magnification;
  const double width = DepBoxWidth * scale;
  const double height = DepBoxHeight * scale;
  return {place.centre.x - width / 2, place.centre.y - height / 2, width, height};
}

MapRect depBoxDrawn(const DepBoxPlace& place) {
  if (place.size != BoxSize::Inset) return depBoxOnGround(place);
  const MapPoint centre = ParisInset.toFrame(place.centre);
  return {centre.x - DepBoxWidth / 2, centre.y - DepBoxHeight / 2, DepBoxWidth, DepBoxHeight};
}

int boxToward(int box, Heading heading) {
  const auto from = std::find_if(Places.begin(), Places.end(), [box](const DepBoxPlace& p) { return p.box == box; });
  if (from == Places.end()) return box;
  // The heading as a step on the drawing, whose y grows southward.
  const double stepX = heading == Heading::West ? -1 : heading == Heading::East ? 1 : 0;
  const double stepY = heading == Heading::North ? -1 : heading == Heading::South ? 1 : 0;
  int best = box;
  double bestCost = 0;
  for (const DepBoxPlace& place : Places) {
    const double dx = place.centre.x - from->centre.x;
    const double dy = place.centre.y - from->centre.y;
    const double ahead = dx * stepX + dy * stepY;
    const double aside = std::abs(dx * stepY - dy * stepX);
    if (ahead <= 0 || aside > 1.7 * ahead) continue;
    const double cost = ahead + 2 * aside;
    if (best == box || cost < bestCost) {
      best = place.box;
      bestCost = cost;
    }
  }
  return best;
}

std::optional<int> boxAtDrawnPoint(const DeptMap& map, MapPoint drawn) {
  const MapPoint ground = ParisInset.frame().contains(drawn) ? ParisInset.fromFrame(drawn) : drawn;
  if (const DeptShape* shape = shapeAt(map, ground)) return shape->box;
  return std::nullopt;
}

std::string styledDeptMapSvg(std::string_view svg, const DeptMap& map, const std::array<int, 100>& levels) {
  static constexpr std::string_view PathTag = "<path";
  static constexpr std::string_view Outline =
      " stroke=\"#505050\" stroke-width=\"1\" vector-effect=\"non-scaling-stroke\"";
  std::string out;
  out.reserve(svg.size() + map.shapes.size() * 100);
  std::size_t copied = 0;
  for (const DeptShape& shape : map.shapes) {
    const std::size_t after = shape.elementStart + PathTag.size();
    if (after > svg.size() || svg.substr(shape.elementStart, PathTag.size()) != PathTag) continue;
    out.append(svg.substr(copied, after - copied));
    out += " fill=\"";
    out += fillOf(levels[static_cast<std::size_t>(shape.box)]);
    out += '"';
    out += Outline;
    copied = after;
  }
  out.append(svg.substr(copied));
  return out;
}

}  // namespace brivant
