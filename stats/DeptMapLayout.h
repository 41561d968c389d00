#pragma once
// The layout of the departement map: where each box of Dep sits (inside its
// own departement), the magnified inset of the small Paris departements, and
// the map document coloured by level for drawing.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "stats/DeptShapes.h"

namespace brivant {

// A box on the map, in map units.
inline constexpr double DepBoxWidth = 13;
inline constexpr double DepBoxHeight = 9;

enum class BoxSize {
  Normal,
  Small,  // a departement too narrow for a whole box
  Inset,  // drawn whole in the magnified inset
};

struct DepBoxPlace {
  int box;
  MapPoint centre;  // on the ground (map units of the outlines)
  BoxSize size;
};

// One place per departement of the map, by box number.
const std::array<DepBoxPlace, 96>& depBoxPlaces();

// The Paris departements are drawn again, magnified, in a frame over the
// Channel where the map has only sea.
struct MapInset {
  MapRect source;       // the area shown, on the ground
  MapPoint frameStart;  // top left corner of the frame on the map
  double magnification;

  MapRect frame() const {
    return {frameStart.x, frameStart.y, source.width * magnification, source.height * magnification};
  }
  MapPoint toFrame(MapPoint ground) const {
    return {frameStart.x + (ground.x - source.x) * magnification, frameStart.y + (ground.y - source.y) * magnification};
  }
  MapPoint fromFrame(MapPoint drawn) const {
    return {source.x + (drawn.x - frameStart.x) / magnification, source.y + (drawn.y - frameStart.y) / magnification};
  }
};
inline constexpr MapInset ParisInset{{301, 131, 26, 27}, {6, 6}, 4.5};

// The box's rectangle on the ground (what must lie inside its departement)
// and where it is drawn (in the inset for the Paris departements).
MapRect depBoxOnGround(const DepBoxPlace& place);
MapRect depBoxDrawn(const DepBoxPlace& place);

// The box an arrow key leads to on the map: among the departements ahead on
// the ground (less than about 60 degrees off the direction), the nearest, a
// step sideways counting twice a step ahead.  The box itself when none is
// ahead (at the coast), or when it has no place on the map.
enum class Heading { West, East, North, South };
int boxToward(int box, Heading heading);

// The departement's box under a point of the drawing (map units): inside the
// inset frame the magnified area, elsewhere the map.  Nothing over the sea.
std::optional<int> boxAtDrawnPoint(const DeptMap& map, MapPoint drawn);

// The document with every departement outlined and filled with the colour of
// its box's level (no fill for level 0).
std::string styledDeptMapSvg(std::string_view svg, const DeptMap& map, const std::array<int, 100>& levels);

}  // namespace brivant
