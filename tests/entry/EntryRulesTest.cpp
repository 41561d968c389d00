#include <gtest/gtest.h>

#include "entry/EntryRules.h"
#include "tests/support/ScriptedDialogs.h"

namespace brivant {
namespace {

using M = EntryMessage;

TEST(EntryRules, BandsOfferedAndTyped) {
  for (const char* band : {"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "14 Mhz", "21 Mhz", "28 Mhz"})
    EXPECT_EQ(checkBand(band), M::None) << band;
  for (const char* band : {"10 Mhz", "14 MHZ", "14Mhz", "", "144 Mhz"}) EXPECT_EQ(checkBand(band), M::B1) << band;
}

TEST(EntryRules, FieldLimits) {
  struct Case {
    M (*check)(std::string_view);
    std::string_view text;
    M expected;
  };
  const Case cases[] = {
      {checkMode, "SSB", M::None},
      {checkMode, "CW", M::None},
      {checkMode, "cw", M::M1},
      {checkMode, "FM", M::M1},
      {checkCallsign, "", M::I1},
      {checkCallsign, "\r\n", M::I1},
      {checkCallsign, "F5ABC/P12345", M::None},  // 12 characters
      {checkCallsign, "F5ABC/P123456", M::I2},   // 13
      {checkDepartement, "", M::D1},
      {checkDepartement, "5", M::None},
      {checkDepartement, "2A", M::None},
      {checkDepartement, "590", M::D2},
      {checkRstReceived, "", M::R1},
      {checkRstReceived, "59+20dB!", M::None},
      {checkRstReceived, "59+20dB!!", M::R2},
      {checkRstSent, "", M::S1},
      {checkRstSent, "123456789", M::S2},
      {checkFirstName, "", M::None},
      {checkFirstName, "JEAN-CHRISTOPHE", M::None},  // 15
      {checkFirstName, "JEAN-CHRISTOPHEX", M::P1},
      {checkCastleName, std::string_view("C. DU HAUT KOENIGSBOURG ET ALS"), M::None},  // 30
      {checkCastleName, std::string_view("C. DU HAUT KOENIGSBOURG ET ALSA"), M::C1},
  };
  for (const Case& c : cases) EXPECT_EQ(c.check(c.text), c.expected) << c.text;
}

TEST(EntryRules, CastleReferences) {
  EXPECT_EQ(checkReference("59045", true, "F", "59"), M::None);
  EXPECT_EQ(checkReference("62045", true, "F", "59"), M::Q3);
  EXPECT_EQ(checkReference("5904", true, "F", "59"), M::Q2);
  EXPECT_EQ(checkReference("", true, "F", "59"), M::Q1);
  EXPECT_EQ(checkReference("DCI UD116", true, "DL", ""), M::None);
  EXPECT_EQ(checkReference("DCI UD116 123456", true, "DL", ""), M::Q4);  // 16
  EXPECT_EQ(checkReference("", false, "DL", ""), M::None);
  // Corsica: the field shows "2a", the castles are numbered "2A...".
  EXPECT_EQ(checkReference("2A012", true, "F", "2a"), M::None);
  EXPECT_EQ(checkReference("2B012", true, "F", "2a"), M::Q3);
}

TEST(EntryRules, CharactersOutside1252) {
  EXPECT_EQ(unencodableCharacterMessage(true, QStringLiteral("x")),
            QString::fromUtf8("Ce caractère ne peut pas être enregistré : x"));
  EXPECT_EQ(unencodableCharacterMessage(false, QStringLiteral("x")),
            QStringLiteral("This character cannot be saved: x"));
}

}  // namespace
}  // namespace brivant
