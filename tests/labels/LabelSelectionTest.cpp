#include "labels/LabelSelection.h"

#include <gtest/gtest.h>

#include "tests/labels/LabelsTestData.h"

namespace brivant {
namespace {

using namespace testing;

TEST(LabelSelection, MovesKeepBothListsInLogOrder) {
  const std::vector<std::string> lines = labelListLines(6);
  auto numbers = [](const LabelSelection& selection, bool chosen) {
    std::vector<long long> result;
    for (std::size_t row = 0; row < (chosen ? selection.chosenCount() : selection.unchosenCount()); ++row)
      result.push_back(numberOfListLine(chosen ? selection.chosenLine(row) : selection.unchosenLine(row)));
    return result;
  };
  LabelSelection selection;
  selection.load(lines);
  // Clicks on 5, 2, then 4 (row 2 of what is left); the rows they take.
  EXPECT_EQ(selection.choose(4), 0u);
  EXPECT_EQ(selection.choose(1), 0u);
  EXPECT_EQ(selection.rowOnChoosing(2), 1u);
  EXPECT_EQ(selection.choose(2), 1u);
  EXPECT_EQ(numbers(selection, true), (std::vector<long long>{2, 4, 5}));
  EXPECT_EQ(numbers(selection, false), (std::vector<long long>{1, 3, 6}));
  EXPECT_EQ(selection.rowOnGivingBack(1), 2u);
  EXPECT_EQ(selection.giveBack(1), 2u);  // 4 returns between 3 and 6
  EXPECT_EQ(numbers(selection, false), (std::vector<long long>{1, 3, 4, 6}));
  EXPECT_EQ(selection.chosenLines(), (std::vector<std::string>{lines[1], lines[4]}));
  // A row outside a list moves nothing.
  EXPECT_EQ(selection.giveBack(9), 4u);
  selection.chooseAll();
  EXPECT_EQ(selection.chosenLines(), lines);
  selection.chooseAll();
  EXPECT_EQ(selection.chosenCount(), 6u);
  EXPECT_EQ(selection.unchosenCount(), 0u);
}

}  // namespace
}  // namespace brivant
