#pragma once
// The prefix tally of a station and mode (callsign + "_Prefixe_" + mode +
// ".txt"): the prefix table used to resolve a callsign, and one flag per band
// telling whether the entity was contacted there.

#include <QString>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/LogFile.h"
#include "entry/TallyBands.h"
#include "platform/Result.h"

namespace brivant {

// Columns of a prefix line.
namespace PrefixLine {
inline constexpr std::size_t PrefixColumn = 1;
inline constexpr std::size_t PrefixWidth = 5;
inline constexpr std::size_t MainPrefixColumn = 27;
inline constexpr std::size_t MainPrefixWidth = 6;
inline constexpr std::size_t NameColumn = 34;
// The size of the prefix template, and so of a station's prefix files: the
// start-up refuses any other as a file of another version.
inline constexpr std::uintmax_t TemplateBytes = 50700;
}  // namespace PrefixLine

struct PrefixLookup {
  bool found = false;
  std::string flag;        // the band's flag as text; "" when the band is not a column
  std::string entityName;  // column 34 to the end of the line
  std::string prefix;      // EntryPrefix: trimmed columns 1-5
  std::string mainPrefix;  // EntryMainPrefix: trimmed columns 27-32 (the prefix itself when blank)
};

// The prefix a line declares (trimmed columns 1-5).  A line matches a key when
// that prefix is not empty and begins the key; the first matching line from
// the top is the one that counts.
std::string_view prefixOfLine(std::string_view line);
bool prefixLineMatches(std::string_view line, std::string_view key);

// What a matched line tells: prefix, main prefix, entity name, and the flag of
// the band at the given column (none: "").
PrefixLookup describePrefixLine(std::string_view line, std::optional<std::size_t> bandColumn);

// Looks the key (a callsign or a main prefix) up in the mode's prefix file.
// found is false when no line matches: the window then shows
// unknownPrefixMessage.  A missing file is error 53 (the window reports it as
// for MAJ_Fichier_Prefixe).
Result<PrefixLookup> Cherche_Prefixe(const std::filesystem::path& programDir, std::string_view call,
                                     std::string_view key, std::string_view band, std::string_view mode);

// Marks the first line matching the key (EntryMainPrefix) as contacted on the
// band: a flag of value 0 becomes "1".  Returns what the line held before the
// change.  The file is replaced through "Temporaire1.txt"; when nothing
// changes it is left as it is.  found false: the window shows
// unknownPrefixSaveMessage.  Missing file: error 53, to report with
// MissingFileLabel::PrefixTallies.
Result<PrefixLookup> MAJ_Fichier_Prefixe(const std::filesystem::path& programDir, std::string_view call,
                                         std::string_view key, std::string_view band, std::string_view mode);

// The start-up's messages (French only) for the template "FXXXX_Prefixe.txt",
// or for the station's SSB prefix file, when its size is not
// PrefixLine::TemplateBytes, the size of this version; nothing when it is.
std::optional<QString> prefixTemplateSizeMessage(std::uintmax_t size);
std::optional<QString> stationPrefixSizeMessage(std::string_view call, std::uintmax_t size);

// "Prefixe Inconnu" / "Prefixe Unknown" after a lookup.
QString unknownPrefixMessage(bool french);
// "Prefixe Inconnu" in both languages after MAJ_Fichier_Prefixe.
QString unknownPrefixSaveMessage(bool french);

}  // namespace brivant
