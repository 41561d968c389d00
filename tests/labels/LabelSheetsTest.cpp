#include "labels/LabelSheets.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/labels/LabelsTestData.h"

namespace brivant {
namespace {

using namespace testing;

constexpr double MillimetresPerPoint = 25.4 / 72;

LabelJob job(LabelType type, int format, int ctV = NoVerticalOffset, int start = 1) {
  return {type, format, 1, ctV, start, true, type == LabelType::Castle ? CastleTexts : IndividualTexts};
}

// The labels of the sheet that hold a whole text each, with Courier's
// proportions; -1 for a text outside every label.
std::set<int> labelsUsed(const SheetGeometry& sheet, const PrintedSheet& printed) {
  std::set<int> used;
  for (const PlacedText& text : printed.texts) {
    const double right = text.x + static_cast<double>(text.text.size()) * 0.6 * text.points * MillimetresPerPoint;
    const double bottom = text.y + 1.1328 * text.points * MillimetresPerPoint;
    int holder = -1;
    for (int position = 0; position < sheet.labelsPerSheet(); ++position) {
      const LabelRectangle l = labelRectangle(sheet, position);
      if (text.x >= l.left && text.y >= l.top && right <= l.left + l.width && bottom <= l.top + l.height)
        holder = position;
    }
    used.insert(holder);
  }
  return used;
}

TEST(LabelSheets, GeometryOfThePublishedSheetsAndTheCard) {
  for (const PublishedSheet& p : PublishedSheets) {
    const SheetGeometry& g = sheetGeometry(p.format);
    EXPECT_EQ(std::tie(g.paperWidth, g.paperHeight, g.labelWidth, g.labelHeight, g.columns, g.rows),
              std::make_tuple(210.0, 297.0, p.width, p.height, p.columns, p.rows));
    EXPECT_NEAR(g.leftMargin, p.left(), 1e-9) << p.format;
    EXPECT_NEAR(g.topMargin, p.top(), 1e-9) << p.format;
    EXPECT_NEAR(g.columnPitch, p.width + p.gap, 1e-9) << p.format;
    EXPECT_NEAR(g.rowPitch, p.height, 1e-9) << p.format;
    EXPECT_EQ(g.verticalOffset, p.format != 3);
  }
  const SheetGeometry& card = sheetGeometry(5);
  EXPECT_EQ(std::tie(card.paperWidth, card.paperHeight, card.columns, card.rows), std::make_tuple(140.0, 90.0, 1, 1));
  EXPECT_EQ(&sheetGeometry(0), &sheetGeometry(2));
}

TEST(LabelSheets, ContactsFillTheLabelsFromTheStartLabelOn) {
  struct Case {
    LabelType type;
    int format;
    int contacts;
    int start;
    std::vector<std::set<int>> labels;  // per sheet
  };
  const std::set<int> full{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  const Case cases[] = {
      // Three contacts: the second row carries the third on the left.
      {LabelType::Individual, 1, 3, 1, {{0, 1, 2}}},
      {LabelType::Castle, 1, 3, 5, {{4, 5, 6}}},
      {LabelType::Individual, 2, 2, 2, {{1, 2}}},
      {LabelType::Castle, 3, 17, 1, {full, {0}}},
      {LabelType::Individual, 4, 3, 14, {{13}, {0, 1}}},
      {LabelType::Castle, 4, 2, 99, {{13}, {0}}},  // beyond the sheet: its last label
      {LabelType::Castle, 5, 3, 1, {{0}, {0}, {0}}},
  };
  for (const Case& c : cases) {
    const auto sheets = labelSheets(labelListLines(c.contacts), job(c.type, c.format, 2, c.start));
    ASSERT_EQ(sheets.size(), c.labels.size()) << c.format << " " << c.contacts << " " << c.start;
    for (std::size_t i = 0; i < sheets.size(); ++i) {
      EXPECT_EQ(labelsUsed(sheetGeometry(c.format), sheets[i]), c.labels[i]) << c.format << " sheet " << i;
      EXPECT_EQ(sheets[i].labels, static_cast<int>(c.labels[i].size()));
    }
  }
  EXPECT_TRUE(labelSheets(labelListLines(4), job(LabelType::None, 1)).empty());
}

TEST(LabelSheets, VerticalOffsetMovesTheSheetsThatHaveOne) {
  for (int format = 1; format <= 5; ++format) {
    const auto low = labelSheets(labelListLines(1), job(LabelType::Castle, format, 0));
    const auto high = labelSheets(labelListLines(1), job(LabelType::Castle, format, 4));
    // Two half lines of 5 points each way.
    EXPECT_NEAR(high[0].texts[0].y - low[0].texts[0].y,
                sheetGeometry(format).verticalOffset ? 20 * MillimetresPerPoint : 0, 1e-9);
  }
}

TEST(LabelSheets, ALineTooWideForTheLabelIsPrintedSmallerInsideIt) {
  LabelJob wide = job(LabelType::Individual, 1);
  wide.texts.transceiver = std::string(40, 'X');
  wide.texts.antenna = std::string(15, 'Y');
  const auto sheets = labelSheets(labelListLines(2), wide);
  ASSERT_EQ(sheets.size(), 1u);
  EXPECT_EQ(labelsUsed(sheetGeometry(1), sheets[0]), (std::set<int>{0, 1}));
  EXPECT_LT(sheets[0].texts[3].points, 11);
  EXPECT_EQ(sheets[0].texts[3].text.substr(0, 3), "TX ");
}

}  // namespace
}  // namespace brivant
