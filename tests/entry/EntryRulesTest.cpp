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
      {checkMode, "SSB", M::None},          {checkMode, "CW", M::None},
      {checkMode, "cw", M::M1},             {checkMode, "FM", M::M1},
      {checkCallsign, "", M::I1},           {checkCallsign, "\r\n", M::I1},
      {checkCallsign, "F5ABC/P12345", M::None},  // 12 characters
      {checkCallsign, "F5ABC/P123456", M::I2},   // 13
      {checkDepartement, "", M::D1},        {checkDepartement, "5", M::None},
      {checkDepartement, "2A", M::None},    {checkDepartement, "590", M::D2},
      {checkRstReceived, "", M::R1},        {checkRstReceived, "59+20dB!", M::None},
      {checkRstReceived, "59+20dB!!", M::R2}, {checkRstSent, "", M::S1},
      {checkRstSent, "123456789", M::S2},   {checkFirstName, "", M::None},
      {checkFirstName, "JEAN-CHRISTOPHE", M::None},  // 15
      {checkFirstName, "JEAN-CHRISTOPHEX", M::P1},
      {checkCastleName, std::string_view("C. DU HAUT KOENIGSBOURG ET ALS"), M::None},  // 30
      {checkCastleName, std::string_view("C. DU HAUT KOENIGSBOURG ET ALSA"), M::C1},
  };
  for (const Case& c : cases) EXPECT_EQ(c.check(c.text), c.expected) << c.text;
}

TEST(EntryRules, ActivityCastleOnlyFromFrance) {
  EXPECT_EQ(checkActivity("QSO", "DL"), M::None);
  EXPECT_EQ(checkActivity("CHATEAU", "F"), M::None);
  EXPECT_EQ(checkActivity("CHATEAU", "TM"), M::None);
  EXPECT_EQ(checkActivity("CHATEAU", "DL"), M::A2);
  EXPECT_EQ(checkActivity("CHATEAU", ""), M::A2);  // an unknown prefix is foreign
  EXPECT_EQ(checkActivity("CHATEAUX", "F"), M::A1);
  EXPECT_EQ(checkActivity("", "F"), M::A1);
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

TEST(EntryRules, MessagesKeepTheirExactTexts) {
  EXPECT_EQ(entryMessageText(M::B1, true), QString::fromUtf8("Attention vous ne pouver selectionner que les bandes proposées"));
  EXPECT_EQ(entryMessageText(M::M1, true), QStringLiteral("Attention le mode doit etre uniquement SSB ou CW "));
  EXPECT_EQ(entryMessageText(M::A2, false), QStringLiteral("Selectionnez 'QSO' pour un Chateau etranger"));
  EXPECT_EQ(entryMessageText(M::Q2, false),
            QStringLiteral("              5 characters for a French castle ex: 59045\r\n"
                           "Complete reference for a foreigner Castel ex: DCI UD116"));
  EXPECT_EQ(entryMessageText(M::Q3, true, "59"),
            QString::fromUtf8("Attention le n° du chateau ne correspond pas au departement 59"));
  EXPECT_EQ(entryMessageText(M::None, true), QString());
}

TEST(EntryRules, ComposedAnnouncements) {
  LoggedContact logged;
  logged.date = "06/06/26";
  logged.band = "14 Mhz";
  logged.start = "10:15";
  logged.mode = "SSB";
  EXPECT_EQ(callsignDuplicateMessage(true, "F5ABC", logged),
            QString::fromUtf8("F5ABC   deja contactée sur 14 Mhz a 10:15 en SSB"));
  logged.reference = "DFCF 59045";
  EXPECT_EQ(referenceDuplicateMessage(false, logged),
            QStringLiteral("DFCF 59045 already contacted on 14 Mhz at 10:15 in SSB"));
  EXPECT_EQ(newPrefixQuestion(true, "DL", "Fed. Rep. of Germany"),
            QStringLiteral(" Valider le nouveau prefixe DXCC : DL  Fed. Rep. of Germany ?"));
  EXPECT_EQ(newPrefixQuestion(false, "DL", "Germany"), QStringLiteral("Validate new DXCC prefix : DL  Germany ?"));
  EXPECT_EQ(newDepartementMessage(true, "2a", "Corse-du-Sud"),
            QString::fromUtf8("Nouveau département le 2a Corse-du-Sud"));
  EXPECT_EQ(newDepartementMessage(false, "59", "Nord"), QStringLiteral("New department 59 Nord"));
  EXPECT_EQ(contactedOnCaption("06/06/26"), QString::fromUtf8("Contacté le 06/06/26"));
}

TEST(EntryRules, CharactersOutside1252) {
  EXPECT_FALSE(firstUnencodableCharacter(QString::fromUtf8("Éloïse œ € ÿ")));
  EXPECT_EQ(firstUnencodableCharacter(QString::fromUtf8("AB✓C")), QString::fromUtf8("✓"));
  // A character outside the basic plane is named whole, not half of it.
  EXPECT_EQ(firstUnencodableCharacter(QString::fromUtf8("F5\U0001F4FB")), QString::fromUtf8("\U0001F4FB"));
  EXPECT_EQ(unencodableCharacterMessage(true, QStringLiteral("x")),
            QString::fromUtf8("Ce caractère ne peut pas être enregistré : x"));
  EXPECT_EQ(unencodableCharacterMessage(false, QStringLiteral("x")), QStringLiteral("This character cannot be saved: x"));
}

TEST(EntryRules, ReportsPointsAndCorsica) {
  EXPECT_EQ(defaultReport("SSB"), "59");
  EXPECT_EQ(defaultReport("CW"), "599");
  EXPECT_EQ(pointsOfBand("3.5 Mhz"), "1");
  EXPECT_EQ(pointsOfBand("7.0 Mhz"), "1");
  EXPECT_EQ(pointsOfBand("14 Mhz"), "3");
  EXPECT_EQ(pointsOfBand("21 Mhz"), "4");
  EXPECT_EQ(pointsOfBand("28 Mhz"), "5");
  EXPECT_EQ(pointsOfBand("1.8 Mhz"), std::nullopt);
  const DepartementEntry corsica = departementOfField("2A");
  EXPECT_EQ(corsica.field, "2a");
  EXPECT_EQ(corsica.entryDept, "96");
  EXPECT_EQ(departementOfField("2b").entryDept, "97");
  EXPECT_EQ(departementOfField("59").entryDept, "59");
  EXPECT_EQ(shownDepartement("97"), "2b");
  EXPECT_EQ(shownDepartement("05"), "05");
}

}  // namespace
}  // namespace brivant
