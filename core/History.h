#pragma once
// The program's revision, its history text and the main window title.

#include <QString>
#include <string>
#include <string_view>

namespace brivant {

inline constexpr std::string_view RevisionText = " 1.7.5";

// The revision entries, each followed by CR LF (UTF-8).
std::string historyText();

// "Journée Nationale des Ruziduza Revision " + RevisionText, or the English title.
QString mainWindowTitle(bool french);

}  // namespace brivant
