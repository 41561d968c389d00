#include "labels/LabelSheets.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/labels/LabelsTestData.h"

namespace brivant {
namespace {

using namespace testing;

constexpr double MillimetresPerPoint = 25.4 / 72;

// The box a placed text covers, with Courier's proportions.
LabelRectangle boxOf(const PlacedText& text) {
  return {text.x, text.y, static_cast<double>(text.text.size()) * 0.6 * text.points * MillimetresPerPoint,
          1.1328 * text.points * MillimetresPerPoint};
}

bool inside(const LabelRectangle& box, const LabelRectangle& label) {
  constexpr double Slack = 0.01;
  return box.left >= label.left - Slack && box.top >= label.top - Slack &&
         box.left + box.width <= label.left + label.width + Slack &&
         box.top + box.height <= label.top + label.height + Slack;
}

// The position of the label that holds the whole text; -1 when none does.
int labelHolding(const SheetGeometry& sheet, const PlacedText& text) {
  for (int position = 0; position < sheet.labelsPerSheet(); ++position) {
    if (inside(boxOf(text), labelRectangle(sheet, position))) return position;
  }
  return -1;
}

std::set<int> labelsUsed(const SheetGeometry& sheet, const PrintedSheet& printed) {
  std::set<int> used;
  for (const PlacedText& text : printed.texts) used.insert(labelHolding(sheet, text));
  return used;
}

LabelJob job(LabelType type, int format, int ctV = NoVerticalOffset, int start = 1) {
  LabelJob result;
  result.type = type;
  result.format = format;
  result.verticalOffset = ctV;
  result.startLabel = start;
  result.texts = type == LabelType::Castle ? castleTexts() : individualTexts();
  return result;
}

TEST(LabelSheets, GeometryOfThePublishedSheets) {
  for (const PublishedSheet& p : PublishedSheets) {
    const SheetGeometry& g = sheetGeometry(p.format);
    EXPECT_EQ(g.paperWidth, 210);
    EXPECT_EQ(g.paperHeight, 297);
    EXPECT_EQ(g.labelWidth, p.width);
    EXPECT_EQ(g.labelHeight, p.height);
    EXPECT_EQ(g.columns, p.columns);
    EXPECT_EQ(g.rows, p.rows);
    EXPECT_NEAR(g.leftMargin, p.left(), 1e-9) << p.format;
    EXPECT_NEAR(g.topMargin, p.top(), 1e-9) << p.format;
    EXPECT_NEAR(g.columnPitch, p.width + p.gap, 1e-9) << p.format;
    EXPECT_NEAR(g.rowPitch, p.height, 1e-9) << p.format;
    EXPECT_EQ(g.verticalOffset, p.format != 3);
    // The last label ends on the paper.
    const LabelRectangle last = labelRectangle(g, g.labelsPerSheet() - 1);
    EXPECT_LE(last.left + last.width, 210 + 1e-9);
    EXPECT_LE(last.top + last.height, 297 + 1e-9);
  }
  const SheetGeometry& card = sheetGeometry(5);
  EXPECT_EQ(card.labelsPerSheet(), 1);
  EXPECT_EQ(card.paperWidth, 140);
  EXPECT_EQ(card.paperHeight, 90);
  EXPECT_EQ(&sheetGeometry(0), &sheetGeometry(2));
}

TEST(LabelSheets, EveryLineOfAFullSheetLiesInItsLabel) {
  for (LabelType type : {LabelType::Individual, LabelType::Castle}) {
    for (int format = 1; format <= 4; ++format) {
      for (int ctV = 0; ctV < VerticalOffsetCount; ++ctV) {
        const SheetGeometry& sheet = sheetGeometry(format);
        const auto sheets = labelSheets(labelListLines(sheet.labelsPerSheet()), job(type, format, ctV));
        ASSERT_EQ(sheets.size(), 1u);
        EXPECT_EQ(sheets[0].labels, sheet.labelsPerSheet());
        const std::size_t linesPerLabel = type == LabelType::Individual ? 6 : (format == 3 ? 6 : 7);
        EXPECT_EQ(sheets[0].texts.size(), linesPerLabel * static_cast<std::size_t>(sheet.labelsPerSheet()));
        for (const PlacedText& text : sheets[0].texts) {
          EXPECT_GE(labelHolding(sheet, text), 0) << "format " << format << " Ct_V " << ctV << ": " << text.text;
        }
        EXPECT_EQ(labelsUsed(sheet, sheets[0]).size(), static_cast<std::size_t>(sheet.labelsPerSheet()));
      }
    }
  }
}

TEST(LabelSheets, ContactsFillTheLabelsFromTheStartLabelOn) {
  struct Case {
    int format;
    int contacts;
    int start;
    std::vector<std::set<int>> labels;  // per sheet
  };
  const Case cases[] = {
      // Three contacts: the second row carries the third on the left.
      {1, 3, 1, {{0, 1, 2}}},
      {1, 3, 5, {{4, 5, 6}}},
      // Starting in the right column.
      {2, 2, 2, {{1, 2}}},
      {1, 17, 1, {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, {0}}},
      {4, 3, 14, {{13}, {0, 1}}},
      // A start beyond the sheet is its last label.
      {4, 2, 99, {{13}, {0}}},
      {5, 3, 1, {{0}, {0}, {0}}},
  };
  for (const Case& c : cases) {
    const SheetGeometry& sheet = sheetGeometry(c.format);
    const auto sheets = labelSheets(labelListLines(c.contacts), job(LabelType::Individual, c.format, 2, c.start));
    ASSERT_EQ(sheets.size(), c.labels.size()) << c.format << " " << c.contacts << " " << c.start;
    for (std::size_t i = 0; i < sheets.size(); ++i) {
      EXPECT_EQ(labelsUsed(sheet, sheets[i]), c.labels[i]) << c.format << " sheet " << i;
      EXPECT_EQ(sheets[i].labels, static_cast<int>(c.labels[i].size()));
    }
  }
}

TEST(LabelSheets, ARightHandLabelIsTheRightLabelOfTheRow) {
  const auto sheets = labelSheets(labelListLines(2), job(LabelType::Individual, 1));
  ASSERT_EQ(sheets.size(), 1u);
  // Both first lines name the station; the right one sits in the second column.
  const PlacedText& left = sheets[0].texts[0];
  const PlacedText& right = sheets[0].texts[6];
  EXPECT_EQ(left.text, "De F6ABC pour F5XYZ");
  EXPECT_EQ(right.text, "De F6ABC pour DL1ABC");
  EXPECT_DOUBLE_EQ(left.y, right.y);
  EXPECT_GT(right.x, 4.65 + 101.6);
}

TEST(LabelSheets, VerticalOffsetMovesTheSheetsThatHaveOne) {
  for (int format = 1; format <= 5; ++format) {
    const auto low = labelSheets(labelListLines(1), job(LabelType::Castle, format, 0));
    const auto high = labelSheets(labelListLines(1), job(LabelType::Castle, format, 4));
    const double moved = high[0].texts[0].y - low[0].texts[0].y;
    // Two half lines of 5 points each way.
    EXPECT_NEAR(moved, sheetGeometry(format).verticalOffset ? 20 * MillimetresPerPoint : 0, 1e-9) << format;
  }
  EXPECT_NEAR(verticalOffsetMillimetres(1), -5 * MillimetresPerPoint, 1e-9);
  EXPECT_EQ(verticalOffsetMillimetres(7), 0);
}

TEST(LabelSheets, ALineTooWideForTheLabelIsPrintedSmallerInsideIt) {
  LabelJob wide = job(LabelType::Individual, 1);
  wide.texts.transceiver = std::string(40, 'X');
  wide.texts.antenna = std::string(15, 'Y');
  const auto sheets = labelSheets(labelListLines(2), wide);
  ASSERT_EQ(sheets.size(), 1u);
  int shrunk = 0;
  for (const PlacedText& text : sheets[0].texts) {
    EXPECT_GE(labelHolding(sheetGeometry(1), text), 0) << text.text;
    if (text.text.starts_with("TX ")) {
      EXPECT_LT(text.points, 11);
      ++shrunk;
    }
  }
  EXPECT_EQ(shrunk, 2);
}

TEST(LabelSheets, ACardCarriesOneLabelCentredOnIt) {
  const auto sheets = labelSheets(labelListLines(2), job(LabelType::Castle, 5));
  ASSERT_EQ(sheets.size(), 2u);
  double top = 90;
  double bottom = 0;
  for (const PlacedText& text : sheets[1].texts) {
    const LabelRectangle box = boxOf(text);
    // Each line centred across the card, within the separator of a line
    // that ends with one.
    EXPECT_NEAR(box.left + box.width / 2, 70, 0.61 * text.points * MillimetresPerPoint) << text.text;
    top = std::min(top, box.top);
    bottom = std::max(bottom, box.top + box.height);
  }
  EXPECT_NEAR(top, 90 - bottom, 0.01);
}

TEST(LabelSheets, NothingWithoutALabelTypeOrAContact) {
  EXPECT_TRUE(labelSheets(labelListLines(4), job(LabelType::None, 1)).empty());
  EXPECT_TRUE(labelSheets({}, job(LabelType::Castle, 1)).empty());
}

}  // namespace
}  // namespace brivant
