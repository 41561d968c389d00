#include "labels/LabelSelection.h"

#include <gtest/gtest.h>

#include "tests/labels/LabelsTestData.h"

namespace brivant {
namespace {

using namespace testing;

std::vector<long long> numbers(const LabelSelection& selection, bool chosen) {
  std::vector<long long> result;
  const std::size_t count = chosen ? selection.chosenCount() : selection.unchosenCount();
  for (std::size_t row = 0; row < count; ++row) {
    result.push_back(numberOfListLine(chosen ? selection.chosenLine(row) : selection.unchosenLine(row)));
  }
  return result;
}

TEST(LabelSelection, MovesKeepBothListsInNumberOrder) {
  LabelSelection selection;
  selection.load(labelListLines(6));
  EXPECT_EQ(numbers(selection, false), (std::vector<long long>{1, 2, 3, 4, 5, 6}));
  // Clicks in any order: 5, then 2, then 4 (row 2 of what is left).
  EXPECT_EQ(selection.rowOnChoosing(4), 0u);
  EXPECT_EQ(selection.choose(4), 0u);
  EXPECT_EQ(selection.choose(1), 0u);
  EXPECT_EQ(selection.rowOnChoosing(2), 1u);
  EXPECT_EQ(selection.choose(2), 1u);
  EXPECT_EQ(numbers(selection, true), (std::vector<long long>{2, 4, 5}));
  EXPECT_EQ(numbers(selection, false), (std::vector<long long>{1, 3, 6}));
  // Back again: 4 returns between 3 and 6.
  EXPECT_EQ(selection.rowOnGivingBack(1), 2u);
  EXPECT_EQ(selection.giveBack(1), 2u);
  EXPECT_EQ(numbers(selection, false), (std::vector<long long>{1, 3, 4, 6}));
  EXPECT_EQ(numbers(selection, true), (std::vector<long long>{2, 5}));
  // The chosen lines are the list lines themselves, unchanged.
  const std::vector<std::string> chosen = selection.chosenLines();
  ASSERT_EQ(chosen.size(), 2u);
  EXPECT_EQ(chosen[1], labelListLines(6)[4]);
}

TEST(LabelSelection, ChooseAllMergesInOrderAndAnEmptyListChangesNothing) {
  LabelSelection selection;
  selection.load(labelListLines(5));
  selection.choose(3);
  selection.choose(0);
  selection.chooseAll();
  EXPECT_EQ(numbers(selection, true), (std::vector<long long>{1, 2, 3, 4, 5}));
  EXPECT_EQ(selection.unchosenCount(), 0u);
  selection.chooseAll();
  EXPECT_EQ(selection.chosenCount(), 5u);
  // A row outside a list moves nothing.
  EXPECT_EQ(selection.choose(0), 5u);
  EXPECT_EQ(selection.giveBack(9), 0u);
  EXPECT_EQ(selection.chosenCount(), 5u);
}

TEST(LabelSelection, NumberOrderBeyondFiveDigits) {
  // The list order is the log's order even where the text order is not.
  const std::vector<std::string> lines{labelListLine(99999, "F5XYZ"), labelListLine(100000, "F6ABC")};
  ASSERT_GT(lines[0], lines[1]);
  LabelSelection selection;
  selection.load(lines);
  selection.choose(1);
  selection.choose(0);
  EXPECT_EQ(selection.chosenLines(), lines);
  selection.load({});
  EXPECT_EQ(selection.chosenCount() + selection.unchosenCount(), 0u);
}

}  // namespace
}  // namespace brivant
