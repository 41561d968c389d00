#pragma once
// The recapitulative sheet (window Recapitulation): the identity settings,
// the ten-row score table from the log and the tallies, and the lines of the
// saved and the printed sheet.

#include <QString>
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "outputs/OutputText.h"
#include "platform/Result.h"
#include "platform/SettingsStore.h"

namespace brivant {

inline constexpr std::size_t RecapRowCount = 10;
inline constexpr std::size_t RecapColumnCount = 5;  // contacts, points, castles, departements, prefixes

// The row label on the sheet (rows 1-5 SSB, 6-10 CW on 3.5, 7.0, 14, 21, 28
// Mhz); row 2 reads "SSS" and rows 8-10 end with a blank, as on the forms the
// organisers know.
std::string_view recapRowLabel(std::size_t row);

// What the operator types in the window, as the store keeps it (UTF-8).
struct RecapIdentity {
  QString nom, prenom, indicatif, adresse1, adresse2, pays, reference, commune, operateurs;
  QString categorie;  // "1", "2", "3" or empty: the selected Option1 item
};

// The captions beside the identity boxes, in the interface language; a
// message names a box by its caption.
struct RecapIdentityCaptions {
  QString nom, prenom, indicatif, adresse1, adresse2, pays, reference, commune, operateurs;
};
RecapIdentityCaptions identityCaptions(bool french);

RecapIdentity readIdentity(const SettingsStore& store, std::string_view stationCall);
// Writes the ten keys; stops at the first failure.
Status storeIdentity(SettingsStore& store, std::string_view stationCall, const RecapIdentity& identity);

// The boxes of the table as they stand (the operator may change them).
struct RecapCells {
  std::array<std::array<QString, RecapColumnCount>, RecapRowCount> rows;
  std::array<QString, RecapColumnCount> totals;  // Tot_QSO, Tot_Points, Tot_MC, Tot_MD, Tot_MP
  QString totalPoints;                           // Total_Points
};

// The table computed from the log and the four tally files (the counters of
// the main window's score, castles counted when the activity is "1"), with
// its totals and final score as texts.  Error 53 for a missing file.
Result<RecapCells> computeRecapCells(const std::filesystem::path& programDir, std::string_view stationCall);

// The value a box text reads as: core/Text.h's basicValue of its
// Windows-1252 bytes (a character outside ASCII ends the number).
double basicValue(const QString& text);
// A double as BASIC shows it: whole numbers without a decimal point, others
// with up to 15 significant digits.
QString basicNumberText(double value);
// Total_Points from the four total boxes: Tot_Points x (Tot_MD + Tot_MC + Tot_MP).
QString totalPointsText(const RecapCells& cells);

enum class SheetCopy { Saved, Printed };

// The first box whose text has a character Windows-1252 cannot hold, named
// as its label reads, with the character; nothing when all can be written.
struct UnwritableText {
  QString field;
  QString character;
};
std::optional<UnwritableText> findUnwritableText(const RecapIdentity& identity, const RecapCells& cells, bool french);
QString unwritableTextMessage(bool french, const UnwritableText& problem);

// The lines of the sheet (Windows-1252), in the interface language.  The
// caller has checked the texts with findUnwritableText.
std::vector<std::string> recapSheetLines(SheetCopy copy, bool french, const RecapIdentity& identity,
                                         const RecapCells& cells, std::string_view jncDate,
                                         std::string_view revisionText);

// StationCall + "_Recapitulatif_JNC_dd_mm_yy.txt".
std::string recapFileName(std::string_view stationCall, std::string_view jncDate);

QString recapSavedMessage(bool french, std::string_view stationCall, std::string_view fileName);

// Writes the saved sheet over any previous one (atomically) and returns the
// confirmation or the failure.
ExportOutcome saveRecapSheet(const std::filesystem::path& programDir, std::string_view stationCall,
                             std::string_view jncDate, std::string_view revisionText, bool french,
                             const RecapIdentity& identity, const RecapCells& cells);

}  // namespace brivant
