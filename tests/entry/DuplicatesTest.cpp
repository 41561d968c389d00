#include <gtest/gtest.h>

#include "core/QsoRecord.h"
#include "entry/Duplicates.h"

namespace brivant {
namespace {

struct Contact {
  Contact(std::string call, std::string onBand = "14 Mhz", std::string inMode = "SSB", std::string reference = "",
          bool french = false, std::string at = "10:15")
      : callsign(std::move(call)),
        band(std::move(onBand)),
        mode(std::move(inMode)),
        qth(std::move(reference)),
        dfcf(french),
        start(std::move(at)) {}
  std::string callsign;
  std::string band;
  std::string mode;
  std::string qth;
  bool dfcf;
  std::string start;
};

std::string listLine(long long number, const Contact& c) {
  QsoFields f;
  f.date = "06/06/26";
  f.callsign = c.callsign;
  f.start = c.start;
  f.end = c.start;
  f.band = c.band;
  f.mode = c.mode;
  f.rstSent = f.rstReceived = "59";
  f.qth = c.qth;
  f.dfcfReference = c.dfcf;
  f.points = "3";
  f.activity = c.qth.empty() ? "0" : "1";
  return QsoListLine(number, *buildQsoRecord(f));
}

std::vector<std::string> listOf(const std::vector<Contact>& contacts) {
  std::vector<std::string> lines;
  for (const Contact& c : contacts) lines.push_back(listLine(static_cast<long long>(lines.size()) + 1, c));
  return lines;
}

TEST(Duplicates, SameCallsignBandModeWithoutReference) {
  const auto lines = listOf({{"DL1ABC"}, {"F5ABC", "14 Mhz", "SSB", "", false, "11:02"}});
  const auto hit = findCallsignDuplicate(lines, "F5ABC", "", "14 Mhz", "SSB");
  ASSERT_TRUE(hit);
  EXPECT_EQ(hit->row, 1u);
  EXPECT_EQ(hit->date, "06/06/26");
  EXPECT_EQ(hit->start, "11:02");
  EXPECT_EQ(hit->band, "14 Mhz");
  EXPECT_EQ(hit->mode, "SSB");
  EXPECT_FALSE(findCallsignDuplicate(lines, "F5ABC", "", "21 Mhz", "SSB"));
  EXPECT_FALSE(findCallsignDuplicate(lines, "F5ABC", "", "14 Mhz", "CW"));
  EXPECT_FALSE(findCallsignDuplicate(lines, "f5abc", "", "14 Mhz", "SSB"));  // exact comparison
  EXPECT_FALSE(findCallsignDuplicate({}, "F5ABC", "", "14 Mhz", "SSB"));
}

// A contact numbered past 99,999 is a duplicate like any other.
TEST(Duplicates, SixDigitNumbersAreScannedAsTheOthers) {
  for (const long long number : {99'999LL, 100'000LL, 100'001LL}) {
    const std::vector<std::string> lines{listLine(number, {"F5ABC", "14 Mhz", "SSB", "", false, "11:02"}),
                                         listLine(number + 1, {"TM5C", "14 Mhz", "SSB", "59045", true})};
    const auto hit = findCallsignDuplicate(lines, "F5ABC", "", "14 Mhz", "SSB");
    ASSERT_TRUE(hit) << number;
    EXPECT_EQ(hit->start, "11:02");
    EXPECT_EQ(hit->band, "14 Mhz");
    EXPECT_TRUE(findReferenceDuplicate(lines, "59045", "14 Mhz", "SSB")) << number;
    const DuplicateIndex index(lines);
    EXPECT_TRUE(index.callsignDuplicate("F5ABC", "", "14 Mhz", "SSB")) << number;
    EXPECT_TRUE(index.referenceDuplicate("59045", "14 Mhz", "SSB")) << number;
  }
}

TEST(Duplicates, FirstLineFromTheTopWins) {
  const auto lines =
      listOf({{"F5ABC", "14 Mhz", "SSB", "", false, "09:00"}, {"F5ABC", "14 Mhz", "SSB", "", false, "10:00"}});
  EXPECT_EQ(findCallsignDuplicate(lines, "F5ABC", "", "14 Mhz", "SSB")->start, "09:00");
}

TEST(Duplicates, ContactWithCastleReferenceDoesNotBlockTheCallsign) {
  const auto lines = listOf({{"F5ABC", "14 Mhz", "SSB", "59045", true}});
  EXPECT_FALSE(findCallsignDuplicate(lines, "F5ABC", "", "14 Mhz", "SSB"));
}

TEST(Duplicates, CallsignKeyIsTenCharacters) {
  const auto lines = listOf({{"F5ABCDEFGH"}, {"F5ABCDEFGHI"}, {"F5ABCDEFGHIJ"}});
  EXPECT_TRUE(findCallsignDuplicate(lines, "F5ABCDEFGH", "", "14 Mhz", "SSB"));
  EXPECT_FALSE(findCallsignDuplicate(lines, "F5ABCDEFGHI", "", "14 Mhz", "SSB"));
  EXPECT_FALSE(findCallsignDuplicate(lines, "F5ABCDEFGHIJ", "", "14 Mhz", "SSB"));
}

TEST(Duplicates, ReferenceWhateverTheCallsign) {
  const auto lines = listOf({{"DL1ABC", "14 Mhz", "SSB", "DCI UD116"}, {"F5ABC", "14 Mhz", "SSB", "59045", true}});
  const auto french = findReferenceDuplicate(lines, "59045", "14 Mhz", "SSB");
  ASSERT_TRUE(french);
  EXPECT_EQ(french->row, 1u);
  EXPECT_EQ(french->reference, "DFCF 59045");
  EXPECT_EQ(french->callsign, "F5ABC");
  EXPECT_TRUE(findReferenceDuplicate(lines, "DCI UD116", "14 Mhz", "SSB"));
  EXPECT_FALSE(findReferenceDuplicate(lines, "59045", "14 Mhz", "CW"));
  EXPECT_FALSE(findReferenceDuplicate(lines, "59045", "21 Mhz", "SSB"));
  EXPECT_FALSE(findReferenceDuplicate(lines, "", "14 Mhz", "SSB"));
  EXPECT_FALSE(findReferenceDuplicate(lines, "DFCF 59045", "14 Mhz", "SSB"));
}

TEST(Duplicates, ShortOrDamagedLinesAreNeverDuplicates) {
  const std::vector<std::string> lines = {"", "    1 06/06/26  F5ABC", std::string(300, 'x')};
  EXPECT_FALSE(findCallsignDuplicate(lines, "F5ABC", "", "14 Mhz", "SSB"));
  EXPECT_FALSE(findReferenceDuplicate(lines, "59045", "14 Mhz", "SSB"));
}

// The index answers every question as the scans do, over the lines it was
// made from and the lines added after.
TEST(Duplicates, TheIndexAnswersAsTheScans) {
  std::vector<std::string> lines = listOf({{"F5ABC", "14 Mhz", "SSB", "", false, "09:00"},
                                           {"F5ABC", "14 Mhz", "SSB", "", false, "10:00"},
                                           {"DL1ABC", "14 Mhz", "SSB", "DCI UD116"},
                                           {"F6XYZ", "14 Mhz", "CW", "59045", true, "11:00"},
                                           {"F5ABCDEFGHIJ"},
                                           {"F1AAA", "7.0 Mhz", "SSB", "", false, "12:00"}});
  lines.push_back("    7 06/06/26  F5ABC");
  DuplicateIndex index({lines.begin(), lines.begin() + 4});
  for (std::size_t i = 4; i < lines.size(); ++i) index.add(lines[i]);

  const std::vector<std::string> callsigns{"F5ABC", "DL1ABC", "F6XYZ", "F5ABCDEFGH", "F5ABCDEFGHIJ", "F1AAA", "f5abc"};
  const std::vector<std::string> references{"", "DCI UD116", "59045", "DFCF 59045"};
  const std::vector<std::string> bands{"14 Mhz", "7.0 Mhz", "21 Mhz", ""};
  const std::vector<std::string> modes{"SSB", "CW", ""};
  const auto same = [](const std::optional<LoggedContact>& a, const std::optional<LoggedContact>& b) {
    if (a.has_value() != b.has_value()) return false;
    return !a || (a->row == b->row && a->start == b->start && a->reference == b->reference);
  };
  int found = 0;
  for (const std::string& band : bands) {
    for (const std::string& mode : modes) {
      for (const std::string& reference : references) {
        const auto scanned = findReferenceDuplicate(lines, reference, band, mode);
        EXPECT_TRUE(same(index.referenceDuplicate(reference, band, mode), scanned)) << reference << band << mode;
        for (const std::string& callsign : callsigns) {
          const auto byScan = findCallsignDuplicate(lines, callsign, reference, band, mode);
          found += byScan.has_value();
          EXPECT_TRUE(same(index.callsignDuplicate(callsign, reference, band, mode), byScan))
              << callsign << "|" << reference << "|" << band << "|" << mode;
        }
      }
    }
  }
  // F5ABC (its first line, and the damaged line for an empty band and mode),
  // DL1ABC with its reference, F6XYZ with its stored "DFCF 59045", F1AAA, and
  // F5ABCDEFGH, the key of F5ABCDEFGHIJ's line.
  EXPECT_EQ(found, 6);
}

}  // namespace
}  // namespace brivant
