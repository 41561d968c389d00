#include <gtest/gtest.h>

#include "core/SettingsKeys.h"
#include "labels/LabelFields.h"
#include "labels/LabelSettings.h"
#include "tests/support/TestFiles.h"

namespace brivant {
namespace {

using namespace testing;

TEST(LabelFields, EnterChecks) {
  struct Case {
    LabelField field;
    const char* text;
    std::optional<QString> message;
  };
  const Case cases[] = {
      {LabelField::Num_Activ, "DFCF 59-045", std::nullopt},
      {LabelField::Num_Activ, "  DFCF 59-0456  ", std::nullopt},  // 12 once trimmed
      {LabelField::Num_Activ, "DFCF 59-04567", QStringLiteral("12 caracteres maxi")},
      {LabelField::Num_Activ, "   ", QString::fromUtf8("Numero de l'activité obligatoire")},
      {LabelField::Nom_Activite, "", QString::fromUtf8("Nom de l'activité obligatoire")},
      {LabelField::Nom_Activite, "123456789012345678901234567890X", QStringLiteral("30 caracteres maxi")},
      {LabelField::Num_Canton, "59111", QStringLiteral("4 caracteres maxi")},
      {LabelField::Num_Canton, "", QStringLiteral("Numero du Canton obligatoire")},
      {LabelField::Num_CP, "596500", QStringLiteral("5 caracteres maxi")},
      {LabelField::Num_CP, "", QStringLiteral("Numero du code postal obligatoire")},
      {LabelField::Nom_Commune, "", QStringLiteral("Nom de la commune obligatoire")},
      {LabelField::Nom_Commune, "Villeneuve-d'Ascq-les-Flers", QStringLiteral("26 caracteres maxi")},
      {LabelField::Rx_Tx, "", std::nullopt},
      {LabelField::Rx_Tx, "12345678901234567890123456789012345678901", QStringLiteral("40 caracteres maxi")},
      {LabelField::Antenne, "", std::nullopt},
      {LabelField::Antenne, "Yagi 5 elements ", std::nullopt},
      {LabelField::Antenne, "Yagi 6 elements!", QStringLiteral("15 caracteres maxi")},
      // A character no label can carry, in the interface language.
      {LabelField::Nom_Commune, "Jiřín", QString::fromUtf8("Ce caractère ne peut pas être enregistré : ř")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(checkLabelField(c.field, QString::fromUtf8(c.text), true), c.message) << c.text;
  }
  EXPECT_TRUE(labelFieldRule(LabelField::Num_CP).capitals);
  EXPECT_FALSE(labelFieldRule(LabelField::Nom_Commune).capitals);
  EXPECT_EQ(checkAntennaForPrint(QStringLiteral("Long wire 80 m ")), std::nullopt);
  EXPECT_EQ(checkAntennaForPrint(QStringLiteral("Long wire 160 m")), std::nullopt);
  EXPECT_EQ(checkAntennaForPrint(QStringLiteral("Long wire 160 m.")),
            QStringLiteral("15 caracteres maxi pour l'antenne"));
}

class LabelSettingsTest : public ::testing::Test {
 protected:
  LabelSettingsTest() : store(dir.path()) {}
  std::string stored(const char* key) { return store.get("ZIV", "Setup F6ABC", key, "<absent>"); }
  TempDir dir;
  SettingsStore store;
};

TEST_F(LabelSettingsTest, AFirstOpeningReadsTheDefaults) {
  const LabelSettings read = readLabelSettings(store, "F6ABC");
  EXPECT_EQ(read, LabelSettings{});
  EXPECT_EQ(read.format, 2);
  EXPECT_EQ(read.type, LabelType::None);
  EXPECT_EQ(read.qslOption, 1);
  EXPECT_EQ(read.verticalOffset, 2);
}

TEST_F(LabelSettingsTest, WrittenValuesReadBack) {
  LabelSettings settings;
  settings.activityNumber = "DFCF 59-045";
  settings.activityName = "Château de Flers";
  settings.cantonNumber = "5911";
  settings.postCode = "59650";
  settings.town = "Villeneuve d'Ascq";
  settings.transceiver = "FT-817";
  settings.antenna = "Dipole";
  settings.type = LabelType::Castle;
  settings.format = 4;
  settings.qslOption = 3;
  settings.verticalOffset = 0;
  ASSERT_TRUE(saveLabelSettings(store, "F6ABC", settings).ok());
  EXPECT_EQ(stored("N° Activite"), "DFCF 59-045");
  EXPECT_EQ(stored("Type etiquette"), "3");
  EXPECT_EQ(stored("Format etiquette"), "4");
  EXPECT_EQ(stored("Centrage V"), "0");
  EXPECT_EQ(readLabelSettings(store, "F6ABC"), settings);
  // Another station has its own.
  EXPECT_EQ(readLabelSettings(store, "F5XYZ"), LabelSettings{});
}

TEST_F(LabelSettingsTest, NoTypeChosenLeavesTheStoredTypeAlone) {
  ASSERT_TRUE(store.save("ZIV", "Setup F6ABC", "Type etiquette", "2").ok());
  LabelSettings settings;
  settings.type = LabelType::None;
  ASSERT_TRUE(saveLabelSettings(store, "F6ABC", settings).ok());
  EXPECT_EQ(stored("Type etiquette"), "2");
  EXPECT_EQ(stored("Format QSL"), "1");
}

TEST_F(LabelSettingsTest, ValuesOutOfTheirListsReadAsDefaults) {
  for (const auto& [key, value] : {std::pair{"Format etiquette", "7"}, std::pair{"Format QSL", "abc"},
                                   std::pair{"Centrage V", "-1"}, std::pair{"Type etiquette", "1"}}) {
    ASSERT_TRUE(store.save("ZIV", "Setup F6ABC", key, value).ok());
  }
  EXPECT_EQ(readLabelSettings(store, "F6ABC"), LabelSettings{});
  ASSERT_TRUE(store.save("ZIV", "Setup F6ABC", "Format etiquette", "5").ok());
  ASSERT_TRUE(store.save("ZIV", "Setup F6ABC", "Centrage V", "4").ok());
  EXPECT_EQ(readLabelSettings(store, "F6ABC").format, 5);
  EXPECT_EQ(readLabelSettings(store, "F6ABC").verticalOffset, 4);
}

}  // namespace
}  // namespace brivant
