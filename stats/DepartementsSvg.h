#pragma once
// The outlines of the 96 departements (data/Departements.svg, CC BY 4.0, see
// data/Departements.LICENSE), compiled into the program.

#include <string_view>

namespace brivant {

// The whole SVG document, UTF-8.
std::string_view departementsSvg();

}  // namespace brivant
