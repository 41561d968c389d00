#include "labels/LabelLines.h"

#include <gtest/gtest.h>

#include "tests/labels/LabelsTestData.h"
#include "tests/support/TestFiles.h"

namespace brivant {
namespace {

using namespace testing;

TEST(LabelLines, CentringRule) {
  struct Case {
    std::size_t width;
    const char* before;
    const char* after;
    LabelSide side;
    bool finalBlank;
    const char* expected;
  };
  const Case cases[] = {
      // 31 - 18 = 13 is odd: 6 blanks each side, one blank between.
      {31, "De F6ABC", "pour F5XYZ", LabelSide::Left, false, "      De F6ABC pour F5XYZ      "},
      // 31 - 19 = 12 is even: two blanks between, one blank less each side.
      {31, "De F6ABC", "pour DL1ABC", LabelSide::Left, false, "     De F6ABC  pour DL1ABC     "},
      {32, "De F6ABC", "pour DL1ABC", LabelSide::Right, false, "      De F6ABC pour DL1ABC"},
      {10, "ab", "cd", LabelSide::Left, true, "  ab  cd   "},
      {10, "ab", "cd", LabelSide::Right, true, "  ab  cd"},
      {9, "abcd", "", LabelSide::Left, false, "  abcd   "},
      {9, "", "abcd", LabelSide::Left, true, "   abcd   "},
      // One character of room, exactly the width, over it: no blanks around.
      {9, "abcd", "efgh", LabelSide::Left, false, "abcd efgh"},
      {8, "abcd", "efgh", LabelSide::Left, false, "abcd efgh"},
      {4, "abcd", "efghij", LabelSide::Left, true, "abcd efghij "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(centredLine(c.width, c.before, c.after, c.side, c.finalBlank), c.expected) << c.before << c.after;
  }
}

// The printed lines of contacts two by two: size, weight, then the line.
std::string rowsText(LabelType type, int format, const std::vector<std::string>& lines, int qsl, bool french) {
  const LabelTexts& texts = type == LabelType::Castle ? CastleTexts : IndividualTexts;
  std::string out;
  for (std::size_t i = 0; i < lines.size(); i += 2) {
    const LabelContact right = i + 1 < lines.size() ? labelContact(lines[i + 1]) : LabelContact{};
    out += "format " + std::to_string(format) + " row " + std::to_string(i / 2 + 1) + "\r\n";
    for (const LabelRowLine& line :
         labelRow(type, format, labelContact(lines[i]), i + 1 < lines.size() ? &right : nullptr, texts,
                  qslText(qsl, french), french)) {
      out += std::to_string(static_cast<int>(line.points)) + (line.bold ? " bold|" : "     |") + line.text + "\r\n";
    }
  }
  return out;
}

TEST(LabelLines, GoldenLabelsOfBothTypesInBothLanguages) {
  // Three contacts: the second row carries the third alone.  DL1ABC makes
  // line 1 even on the left; format 3 has its own sequences and castle line.
  const std::vector<std::string> lines{labelListLine(1, "F5XYZ"), labelListLine(2, "DL1ABC", "7.0 Mhz", "CW", "599"),
                                       labelListLine(3, "EA3GGG/P", "28 Mhz")};
  for (bool french : {true, false}) {
    const std::string language = french ? "fr" : "en";
    expectBytesMatchGolden(rowsText(LabelType::Individual, 1, lines, 1, french) +
                               rowsText(LabelType::Individual, 3, {lines[1], lines[0]}, 2, french),
                           "labels/individual_" + language + ".txt");
    expectBytesMatchGolden(
        rowsText(LabelType::Castle, 1, lines, 3, french) + rowsText(LabelType::Castle, 3, lines, 1, french),
        "labels/castle_" + language + ".txt");
  }
  EXPECT_TRUE(labelRow(LabelType::None, 1, labelContact(lines[0]), nullptr, CastleTexts, "x", true).empty());
  // A damaged short line reads as blanks.
  EXPECT_EQ(labelContact("    1 19/05/13").callsign, "");
}

}  // namespace
}  // namespace brivant
