#pragma once
// The program's revision, its history text and the main window title.

#include <QString>
#include <string>
#include <string_view>

namespace brivant {

// " " and the version of project() in the top CMakeLists.txt, the one place
// the version is written: " 1.7.5".
extern const std::string_view RevisionText;

// The revision entries, each followed by CR LF (UTF-8).
std::string historyText();

// "Journée Nationale des Ruziduza Revision " + RevisionText, or the English title.
QString mainWindowTitle(bool french);

}  // namespace brivant
