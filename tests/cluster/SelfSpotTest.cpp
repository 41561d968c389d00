// The announcement of a station on a cluster node: what the window starts
// with, the command of what is typed, and the lines that answer it.

#include "cluster/SelfSpot.h"

#include <gtest/gtest.h>

#include "platform/Cp1252.h"

namespace brivant {
namespace {

TEST(SelfSpotTest, TheWindowStartsWithTheRadioAndTheStation) {
  // A castle activator announces itself, with its reference.
  SelfSpotFields fields = selfSpotFields(14'025'000, "F6ABC_P", " 35012 ", "DL1ABC");
  EXPECT_EQ(fields.khz, "14025.0");
  EXPECT_EQ(fields.call, "F6ABC/P");
  EXPECT_EQ(fields.comment, "35012 JNC");
  // Without a reference and a radio: the station of the entry, the
  // frequency to type.
  fields = selfSpotFields(std::nullopt, "F6ABC", "", " tm5cha ");
  EXPECT_EQ(fields.khz, "");
  EXPECT_EQ(fields.call, "TM5CHA");
  EXPECT_EQ(fields.comment, "JNC");
  EXPECT_EQ(selfSpotFields(7'012'560, "F6ABC", "", "").khz, "7012.6");
  EXPECT_EQ(selfSpotFields(1'296'200'000, "F6ABC", "", "").khz, "1296200.0");
}

TEST(SelfSpotTest, TheCommandOfWhatIsTyped) {
  const std::string thirty(30, 'X');
  const struct {
    const char* khz;
    const char* call;
    std::string comment;
    std::string line;
    SelfSpotProblem problem;
  } cases[] = {
      {"14025", "F6ABC/P", "35012 JNC", "DX 14025.0 F6ABC/P 35012 JNC", SelfSpotProblem::None},
      {" 14 025,5 ", "f6abc_p", "  JNC  ", "DX 14025.5 F6ABC/P JNC", SelfSpotProblem::None},
      {"7012.04", "TM5CHA", "", "DX 7012.0 TM5CHA", SelfSpotProblem::None},
      {"144300.0", "F1ZZZ", thirty, "DX 144300.0 F1ZZZ " + std::string(30, 'X'), SelfSpotProblem::None},
      {"", "F6ABC", "JNC", "", SelfSpotProblem::Frequency},
      {"14O25", "F6ABC", "JNC", "", SelfSpotProblem::Frequency},
      {"0", "F6ABC", "JNC", "", SelfSpotProblem::Frequency},
      {"-7012", "F6ABC", "JNC", "", SelfSpotProblem::Frequency},
      {"400000000", "F6ABC", "JNC", "", SelfSpotProblem::Frequency},
      {"14025.", "F6ABC", "JNC", "", SelfSpotProblem::Frequency},
      {"14025", "", "JNC", "", SelfSpotProblem::Callsign},
      {"14025", "F6 ABC", "JNC", "", SelfSpotProblem::Callsign},
      {"14025", "F6ABCDEFGHIJK", "JNC", "", SelfSpotProblem::Callsign},
      {"14025", "F6ABC", thirty + "X", "", SelfSpotProblem::CommentTooLong},
      {"14025", "F6ABC", Cp1252::fromUtf8("Château"), "", SelfSpotProblem::CommentNotAscii},
      {"14025", "F6ABC", "TAB\tHERE", "", SelfSpotProblem::CommentNotAscii},
  };
  for (const auto& c : cases) {
    const SelfSpotCommand command = selfSpotCommand(c.khz, c.call, c.comment);
    EXPECT_EQ(command.problem, c.problem) << c.khz << " " << c.call << " " << c.comment;
    EXPECT_EQ(command.line, c.line);
    // Each problem is said in both languages.
    EXPECT_EQ(selfSpotProblemMessage(true, c.problem).isEmpty(), c.problem == SelfSpotProblem::None);
    EXPECT_EQ(selfSpotProblemMessage(false, c.problem).isEmpty(), c.problem == SelfSpotProblem::None);
  }
  EXPECT_EQ(selfSpotCommand("14025", "f6abc_p", "").call, "F6ABC/P");
}

TEST(SelfSpotTest, WhichLinesOfTheNodeAnswer) {
  const struct {
    const char* line;
    bool answers;
  } cases[] = {
      {"DX de F6ABC:     14025.0  F6ABC/P      35012 JNC                      0915Z JN18", true},
      {"dx de f6abc-2:   14025.0  f6abc/p      35012 JNC                      0915Z", true},
      {"DX de G4XYZ:     7010.0   DL1AA        CQ                             0915Z", false},
      {"Sorry, F6ABC/P is not a valid callsign", true},
      {"*** Error: frequency out of range", true},
      {"WWV de VE7CC <18>:   SFI=68, A=4, K=1", false},
      {"To ALL de F5XYZ: hello", false},
      {"F6ABC de GB7DJK  6-Jun-2026 0915Z dxspider >", false},
      {"   ", false},
      {"DX de F6ABC 14025.0 F6ABC/P", false},
  };
  for (const auto& c : cases) EXPECT_EQ(answersSelfSpot(c.line, "F6ABC/P"), c.answers) << c.line;
}

}  // namespace
}  // namespace brivant
