#include "labels/LabelLines.h"

#include <gtest/gtest.h>

#include "tests/labels/LabelsTestData.h"
#include "tests/support/TestFiles.h"

namespace brivant {
namespace {

using namespace testing;

struct CentredCase {
  std::size_t width;
  const char* before;
  const char* after;
  LabelSide side;
  bool finalBlank;
  const char* expected;
};

TEST(LabelLines, CentringRule) {
  const CentredCase cases[] = {
      // 31 - 18 = 13 is odd: 6 blanks each side, one blank between.
      {31, "De F6ABC", "pour F5XYZ", LabelSide::Left, false, "      De F6ABC pour F5XYZ      "},
      // 31 - 19 = 12 is even: two blanks between, one blank less each side.
      {31, "De F6ABC", "pour DL1ABC", LabelSide::Left, false, "     De F6ABC  pour DL1ABC     "},
      {32, "De F6ABC", "pour DL1ABC", LabelSide::Right, false, "      De F6ABC pour DL1ABC"},
      // The final blank of the left label; none on the right.
      {10, "ab", "cd", LabelSide::Left, true, "  ab  cd   "},
      {10, "ab", "cd", LabelSide::Right, true, "  ab  cd"},
      // Separator at the end or at the start.
      {9, "abcd", "", LabelSide::Left, false, "  abcd   "},
      {9, "", "abcd", LabelSide::Left, true, "   abcd   "},
      // Exactly the width, one over and far over: no blanks around, one between.
      {8, "abcd", "efgh", LabelSide::Left, false, "abcd efgh"},
      {8, "abcd", "efghi", LabelSide::Left, true, "abcd efghi "},
      {4, "abcd", "efghij", LabelSide::Right, false, "abcd efghij"},
      // One character of room: no blank beside the text.
      {9, "abcd", "efgh", LabelSide::Left, false, "abcd efgh"},
  };
  for (const CentredCase& c : cases) {
    EXPECT_EQ(centredLine(c.width, c.before, c.after, c.side, c.finalBlank), c.expected)
        << c.width << " '" << c.before << "' '" << c.after << "'";
  }
}

TEST(LabelLines, FirstLineIsAlwaysThirtyOneCharactersOnTheLeft) {
  for (const char* call : {"G4A", "F5XYZ", "DL1ABC", "EA3GGG/P", "9A1ABCDEFGH"}) {
    LabelContact contact;
    contact.callsign = call;
    const auto lines = labelLines(LabelType::Individual, 1, LabelSide::Left, contact, individualTexts(), "x", true);
    EXPECT_EQ(lines.front().text.size(), 31u) << call;
    const std::size_t total = 8 + 5 + std::string(call).size();
    const bool even = (31 - total) % 2 == 0;
    EXPECT_EQ(lines.front().text.find(even ? "F6ABC  pour " : "F6ABC pour ") != std::string::npos, true) << call;
  }
}

TEST(LabelLines, ContactFieldsAreCutFromTheListLine) {
  const LabelContact contact = labelContact(labelListLine(12, "EA3GGG/P", "7.0 Mhz", "CW", "599", "23:59"));
  EXPECT_EQ(contact.date, "19/05/13");
  EXPECT_EQ(contact.callsign, "EA3GGG/P");
  EXPECT_EQ(contact.time, "23:59");
  EXPECT_EQ(contact.band, "7.0 Mhz");
  EXPECT_EQ(contact.mode, "CW");
  EXPECT_EQ(contact.rst, "599");
  // A damaged short line reads as blanks, never out of range.
  EXPECT_EQ(labelContact("    1 19/05/13").callsign, "");
}

TEST(LabelLines, QslTextsAndTitle) {
  EXPECT_EQ(qslText(2, true), "Merci pour le QSO et pour la QSL");
  EXPECT_EQ(qslText(3, false), "Tnx for the QSO no QSL");
  EXPECT_EQ(qslText(9, true), qslText(1, true));
  EXPECT_EQ(eventTitle(true), Cp1252::fromUtf8("Journée Nationale des Ruziduza"));
  EXPECT_EQ(eventTitle(false), "Ravuzore Ruruzav Evu");
}

// The printed lines of a job as text: size, weight and the line, CR LF after each.
std::string rowsText(LabelType type, int format, const std::vector<std::string>& listLines, const LabelTexts& texts,
                     int qsl, bool french) {
  std::string out;
  for (std::size_t i = 0; i < listLines.size(); i += 2) {
    const LabelContact left = labelContact(listLines[i]);
    const LabelContact right = i + 1 < listLines.size() ? labelContact(listLines[i + 1]) : LabelContact{};
    const auto row =
        labelRow(type, format, left, i + 1 < listLines.size() ? &right : nullptr, texts, qslText(qsl, french), french);
    out += "format " + std::to_string(format) + " row " + std::to_string(i / 2 + 1) + "\r\n";
    for (const LabelRowLine& line : row) {
      out += std::to_string(static_cast<int>(line.points)) + (line.bold ? " bold|" : "     |") + line.text + "\r\n";
    }
  }
  return out;
}

TEST(LabelLines, GoldenIndividualLabels) {
  // Three contacts: the second row carries the third alone; DL1ABC makes line
  // 1 even on the left, and the second row's G4A on the left too.
  const std::vector<std::string> lines{labelListLine(1, "F5XYZ"), labelListLine(2, "DL1ABC", "7.0 Mhz", "CW", "599"),
                                       labelListLine(3, "EA3GGG/P", "28 Mhz")};
  for (bool french : {true, false}) {
    std::string text = rowsText(LabelType::Individual, 1, lines, individualTexts(), 1, french);
    text += rowsText(LabelType::Individual, 3, {lines[1], lines[0]}, individualTexts(), 2, french);
    expectBytesMatchGolden(text, french ? "labels/individual_fr.txt" : "labels/individual_en.txt");
  }
}

TEST(LabelLines, GoldenCastleLabels) {
  const std::vector<std::string> lines{labelListLine(1, "F5XYZ"), labelListLine(2, "DL1ABC", "7.0 Mhz", "CW", "599"),
                                       labelListLine(3, "G4A", "3.5 Mhz")};
  for (bool french : {true, false}) {
    std::string text = rowsText(LabelType::Castle, 1, lines, castleTexts(), 3, french);
    // Format 3: the canton beside the town, no canton line.
    text += rowsText(LabelType::Castle, 3, lines, castleTexts(), 1, french);
    expectBytesMatchGolden(text, french ? "labels/castle_fr.txt" : "labels/castle_en.txt");
  }
}

TEST(LabelLines, SequencesOfEachFormat) {
  const LabelContact contact = labelContact(labelListLine(1, "F5XYZ"));
  struct Case {
    LabelType type;
    int format;
    std::vector<double> points;
  };
  const Case cases[] = {
      {LabelType::Individual, 1, {15, 8, 11, 11, 11, 11, 11}}, {LabelType::Individual, 3, {15, 11, 11, 11, 11, 11}},
      {LabelType::Individual, 4, {15, 8, 11, 11, 11, 11, 11}}, {LabelType::Castle, 2, {15, 10, 10, 10, 10, 10, 10}},
      {LabelType::Castle, 3, {15, 10, 10, 2, 10, 2, 10, 10}},  {LabelType::Castle, 5, {15, 10, 10, 10, 10, 10, 10}},
  };
  for (const Case& c : cases) {
    const auto printed = labelPrintLines(c.type, c.format, LabelSide::Left, contact, castleTexts(), "Tnx", false);
    std::vector<double> points;
    for (const LabelPrintLine& line : printed) points.push_back(line.points);
    EXPECT_EQ(points, c.points) << c.format;
    EXPECT_TRUE(printed.front().bold);
  }
  EXPECT_TRUE(labelPrintLines(LabelType::None, 1, LabelSide::Left, contact, castleTexts(), "Tnx", true).empty());
}

}  // namespace
}  // namespace brivant
