#include "core/Text.h"

#include <gtest/gtest.h>

namespace brivant {
namespace {

// Every field the program reads as a number (the activity column of a log
// line, a tally flag, a box of the recapitulative sheet) is read this way.
TEST(Text, NumbersReadAsTheLogHasAlwaysBeenRead) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"1 ", 1},
      {" 1", 1},
      {"0", 0},
      {" ", 0},
      {"", 0},
      {"x1", 0},
      {"1x", 1},
      {"-1", -1},
      {"+8", 8},
      {"1 000", 1000},
      {"1\t2\r\n3", 123},
      {"2.5x", 2.5},
      {".5", 0.5},
      {"7e", 7},
      {"1e3", 1000},
      {"1D2", 100},
      {"\xE9"
       "5",
       0},
      {"5\xE9"
       "5",
       5},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(basicValue(c.text), c.value) << '"' << c.text << '"';
}

}  // namespace
}  // namespace brivant
