#pragma once
// Fonts asked for by name.  A family missing from the system is not left to
// the system's matching, which may answer with any font, a symbol font among
// them: the first family of a list that is installed is taken.

#include <QFont>
#include <initializer_list>

namespace brivant {

// The first of the families installed on the system, with the style hint;
// `otherwise` when none is.
QFont firstInstalledFont(std::initializer_list<const char*> families, QFont::StyleHint hint, const QFont& otherwise);

}  // namespace brivant
