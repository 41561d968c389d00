#pragma once
// The texts of the help menu: the rules of the event (the Reglement window's
// 63 lines, the same in both languages), the about box and the help document.

#include <QString>
#include <QStringList>
#include <filesystem>
#include <string_view>

#include "core/SettingsKeys.h"

namespace brivant {

// Who corrects the logs this year (callsign, name, address, e-mail as one
// free text), when the operator has written it into the settings: rules
// lines 34 and 62 then name that person, otherwise they stay general.
inline constexpr Settings::Key CorrectorKey{Settings::Section::Common, "Correcteur", ""};

inline constexpr int RulesLineCount = 63;

// The 63 lines of Reg, in order; corrector is the setting above (UTF-8).
QStringList rulesLines(const QString& corrector);

// The about box: the event, the revision, an empty line and the credit line.
QString aboutText(bool french, std::string_view revisionText);

// The bilingual help document of the program directory.
inline constexpr std::string_view HelpDocumentName = "Brivant.html";
std::filesystem::path helpDocumentPath(const std::filesystem::path& programDir);
// The message when it cannot be found.
QString missingHelpMessage(bool french, const std::filesystem::path& document);

}  // namespace brivant
