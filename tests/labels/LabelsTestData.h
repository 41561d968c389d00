#pragma once
// Contacts, station texts and the published label sheets for the label tests.

#include <array>
#include <string>
#include <vector>

#include "core/QsoRecord.h"
#include "labels/LabelSheets.h"
#include "platform/Cp1252.h"
#include "tests/outputs/OutputsTestData.h"

namespace brivant::testing {

// The list line of contact number n.
inline std::string labelListLine(long long number, const char* call, const char* band = "14 Mhz",
                                 const char* mode = "SSB", const char* sent = "59") {
  return QsoListLine(
      number,
      buildQsoRecord(contactFields("19/05/13", call, "08:12", "", "", band, mode, sent, "57", "", "", false)).value());
}

// count contacts with callsigns of varied lengths.
inline std::vector<std::string> labelListLines(int count) {
  static const char* const Calls[] = {"F5XYZ", "DL1ABC", "G4A", "EA3GGG/P", "F4CCC", "HB9JJJ", "ON4DDD", "I2FFF"};
  static const char* const Bands[] = {"3.5 Mhz", "7.0 Mhz", "14 Mhz", "21 Mhz", "28 Mhz"};
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i)
    lines.push_back(labelListLine(i + 1, Calls[i % 8], Bands[i % 5], i % 3 ? "SSB" : "CW", i % 3 ? "59" : "599"));
  return lines;
}

inline const LabelTexts IndividualTexts{"F6ABC", "IC-7300 100 W", "Delta loop", "", "", "", "", ""};
inline const LabelTexts CastleTexts{
    "TM5CHX_P", " FT-817 ", "Dipole",           "DFCF 59-045", Cp1252::fromUtf8("Château de Flers"),
    "5911",     "59650",    "Villeneuve d'Ascq"};

// A sheet as its maker publishes it: label size, columns, rows and the gap
// between the columns; the labels centred on A4, no gap between rows.
struct PublishedSheet {
  int format;
  double width, height;
  int columns, rows;
  double gap;

  double left() const { return (210 - columns * width - (columns - 1) * gap) / 2; }
  double top() const { return (297 - rows * height) / 2; }
  LabelRectangle label(int position) const {
    return {left() + (position % columns) * (width + gap), top() + (position / columns) * height, width, height};
  }
};
inline constexpr std::array<PublishedSheet, 4> PublishedSheets{{
    {1, 99.1, 33.9, 2, 8, 2.5},  // Avery L7162
    {2, 99.1, 34, 2, 8, 2.5},    // Decadry OLW 4732
    {3, 105, 37, 2, 8, 0},       // Avery DP 167
    {4, 99.1, 38.1, 2, 7, 2.5},  // Avery L7163
}};

}  // namespace brivant::testing
