#pragma once
// Contacts and station texts for the label tests.

#include <array>
#include <string>
#include <vector>

#include "core/QsoRecord.h"
#include "labels/LabelLines.h"
#include "labels/LabelSheets.h"
#include "platform/Cp1252.h"
#include "tests/outputs/OutputsTestData.h"

namespace brivant::testing {

// The list line of contact number n.
inline std::string labelListLine(long long number, const char* call, const char* band = "14 Mhz",
                                 const char* mode = "SSB", const char* sent = "59", const char* start = "08:12") {
  const QsoFields fields = contactFields("19/05/13", call, start, "", "", band, mode, sent, "57", "", "", false);
  return QsoListLine(number, buildQsoRecord(fields).value());
}

// n contacts with callsigns of varied lengths.
inline std::vector<std::string> labelListLines(int count) {
  static const char* const Calls[] = {"F5XYZ", "DL1ABC", "G4A", "EA3GGG/P", "F4CCC", "HB9JJJ", "ON4DDD", "I2FFF"};
  static const char* const Bands[] = {"3.5 Mhz", "7.0 Mhz", "14 Mhz", "21 Mhz", "28 Mhz"};
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) {
    lines.push_back(
        labelListLine(i + 1, Calls[i % 8], Bands[i % 5], i % 3 != 0 ? "SSB" : "CW", i % 3 != 0 ? "59" : "599"));
  }
  return lines;
}

inline LabelTexts castleTexts() {
  LabelTexts texts;
  texts.stationCall = "TM5CHX_P";
  texts.transceiver = " FT-817 ";
  texts.antenna = "Dipole";
  texts.activityNumber = "DFCF 59-045";
  texts.activityName = Cp1252::fromUtf8("Château de Flers");
  texts.cantonNumber = "5911";
  texts.postCode = "59650";
  texts.town = "Villeneuve d'Ascq";
  return texts;
}

inline LabelTexts individualTexts() {
  LabelTexts texts;
  texts.stationCall = "F6ABC";
  texts.transceiver = "IC-7300 100 W";
  texts.antenna = "Delta loop";
  return texts;
}

// A sheet as its maker publishes it: the label size, the columns and rows and
// the gap between the columns; the labels are centred on A4 with no gap
// between rows.
struct PublishedSheet {
  int format;
  double width;
  double height;
  int columns;
  int rows;
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
