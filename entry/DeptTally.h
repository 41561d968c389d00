#pragma once
// The departement tally of a station and mode (callsign + "_Departement_" +
// mode + ".txt"): one line per departement, one flag per band; and the grid
// of 100 boxes that shows it for one band and mode.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/LogFile.h"
#include "entry/TallyBands.h"
#include "platform/Result.h"

namespace brivant {

// Columns of a departement line.
namespace DeptLine {
inline constexpr std::size_t CodeWidth = 2;  // columns 1-2
inline constexpr std::size_t NameColumn = 22;
}  // namespace DeptLine

// The code under which a departement is filed.  EntryDept holds Corsica as
// "96"/"97" while the files key it "2A"/"2B": converting here lets a Corsican
// contact be announced and flagged as soon as it is saved.  "2a"/"2b" map the
// same way; any other code is unchanged.
std::string deptFileKey(std::string_view entryDept);

struct DeptLookup {
  bool found = false;
  std::string flag;  // the band's flag as text; "" when not found or the band is not a column
  std::string name;  // column 22 to the end, leading blanks removed
  std::string line;  // the whole line
};

// The first line whose code (columns 1-2) is deptFileKey(entryDept).
// Missing file: error 53.
Result<DeptLookup> Cherche_Departement(const std::filesystem::path& programDir, std::string_view call,
                                       std::string_view entryDept, std::string_view band, std::string_view mode);

// Puts newFlag in the band's column of every line of the departement, through
// "Temporaire2.txt".  A code in no line, or a band that is not a column,
// changes nothing (and the file is not rewritten).  Missing file: error 53.
Status MAJ_Fichier_Departement(const std::filesystem::path& programDir, std::string_view call,
                               std::string_view entryDept, std::string_view newFlag, std::string_view band,
                               std::string_view mode);

struct DeptGrid {
  std::array<int, 100> level{};  // 0 not contacted, else 1-4: the colour of box Dpt(i)
  int DeptCount = 0;
};

// The box of a line's code: its number, "2A"/"2a" 96, "2B"/"2b" 97; nothing
// for a code that names no box.
std::optional<int> deptBoxOfCode(std::string_view code);

// The grid for a band and mode.  A flag counts when it is a level 1-4; "0",
// blanks and stray characters leave the box uncoloured and are not counted.
// Missing file: error 53, to report with MissingFileLabel::DepartementTallies.
Result<DeptGrid> Affiche_Departements(const std::filesystem::path& programDir, std::string_view call,
                                      std::string_view band, std::string_view mode);

// Colours of the grid (and of the departement map), by level.
struct GridRgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
};
// Level 1 light red, 2 yellow, 3 light cyan, 4 light green; level 0 (and any
// other) is the window background, which has no fixed colour.
std::optional<GridRgb> gridLevelRgb(int level);
// The same as Windows colour values (0xBBGGRR); level 0 is 0x80000005.
std::uint32_t gridLevelWindowsColour(int level);

}  // namespace brivant
