#pragma once
// The departement map's counts for one band and mode, read from the log
// (Affiche_Carte), and the texts the map window shows with them.

#include <QString>
#include <array>
#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/Result.h"

namespace brivant {

struct MapTally {
  std::array<int, 100> level{};          // the level of each box, 0 when uncoloured
  std::array<int, 100> contactsOfBox{};  // contacts of each box on the band and mode
  int contacts = 0;                      // every contact on the band and mode
  std::array<int, 5> boxesAtLevel{};     // [1] to [4]: boxes of each level
};

// The box of a log's departement column (two characters): "01" to "95"
// (no "20"), Corsica "2a" 96 and "2b" 97.  Any other text names no box.
std::optional<int> mapBoxOfLogCode(std::string_view code);

// Affiche_Carte: every contact on the band and mode is counted; its
// departement's box takes the higher of its level and the contact's marker
// (1 to 4, any other marker changes nothing).  Missing log: error 53.
Result<MapTally> Affiche_Carte(const std::filesystem::path& programDir, std::string_view call, std::string_view band,
                               std::string_view mode);

// Label4: "n QSO et m départements contactés" / "n QSO and m departments
// contacted", m the boxes of level 1; before any display, "0 Activation et 0
// département contacté" / "0 Activation and 0 department contacted".
QString mapCountsLine(bool french, const MapTally& tally);
QString mapCountsLineBeforeDisplay(bool french);

// "Selectionnez une bande", in both languages.
QString selectBandMessage();

// The tooltip of a departement on the map: its code and name (UTF-8) and,
// once the map shows a band and mode, its contacts there.
QString mapTooltip(bool french, std::string_view code, std::string_view name, std::optional<int> contacts,
                   std::string_view band, std::string_view mode);

// A line of the legend: the level and, once the map shows a band and mode,
// how many departements are at that level.
QString mapLegendLine(bool french, int level, std::optional<int> boxes);

}  // namespace brivant
