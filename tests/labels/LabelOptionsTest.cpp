#include <gtest/gtest.h>

#include "labels/LabelFields.h"
#include "labels/LabelSettings.h"
#include "tests/support/TestFiles.h"

namespace brivant {
namespace {

using namespace testing;

TEST(LabelFields, EnterChecks) {
  const std::tuple<LabelField, const char*, const char*> cases[] = {
      {LabelField::Num_Activ, "  DFCF 59-0456  ", nullptr},  // 12 once trimmed
      {LabelField::Num_Activ, "DFCF 59-04567", "12 caracteres maxi"},
      {LabelField::Num_Activ, "   ", "Numero de l'activité obligatoire"},
      {LabelField::Nom_Activite, "", "Nom de l'activité obligatoire"},
      {LabelField::Nom_Activite, "123456789012345678901234567890X", "30 caracteres maxi"},
      {LabelField::Num_Canton, "59111", "4 caracteres maxi"},
      {LabelField::Num_Canton, "", "Numero du Canton obligatoire"},
      {LabelField::Num_CP, "596500", "5 caracteres maxi"},
      {LabelField::Num_CP, "", "Numero du code postal obligatoire"},
      {LabelField::Nom_Commune, "", "Nom de la commune obligatoire"},
      {LabelField::Nom_Commune, "Villeneuve-d'Ascq-les-Flers", "26 caracteres maxi"},
      {LabelField::Rx_Tx, "", nullptr},
      {LabelField::Rx_Tx, "12345678901234567890123456789012345678901", "40 caracteres maxi"},
      {LabelField::Antenne, "Yagi 5 elements ", nullptr},
      {LabelField::Antenne, "Yagi 6 elements!", "15 caracteres maxi"},
      {LabelField::Nom_Commune, "Jiřín", "Ce caractère ne peut pas être enregistré : ř"},
  };
  for (const auto& [field, text, message] : cases) {
    EXPECT_EQ(checkLabelField(field, QString::fromUtf8(text), true),
              message ? std::optional(QString::fromUtf8(message)) : std::nullopt)
        << text;
  }
  EXPECT_EQ(checkAntennaForPrint(QStringLiteral("Long wire 160 m ")), std::nullopt);
  EXPECT_EQ(checkAntennaForPrint(QStringLiteral("Long wire 160 m.")),
            QStringLiteral("15 caracteres maxi pour l'antenne"));
}

TEST(LabelSettings, DefaultsWrittenValuesAndValuesOutOfTheirLists) {
  TempDir dir;
  SettingsStore store(dir.path());
  auto stored = [&](const char* key) { return store.get("ZIV", "Setup F6ABC", key, "<absent>"); };
  EXPECT_EQ(readLabelSettings(store, "F6ABC"), (LabelSettings{"", "", "", "", "", "", "", LabelType::None, 2, 1, 2}));

  const LabelSettings settings{"DFCF 59-045",
                               "Château de Flers",
                               "5911",
                               "59650",
                               "Villeneuve d'Ascq",
                               "FT-817",
                               "Dipole",
                               LabelType::Castle,
                               4,
                               3,
                               0};
  ASSERT_TRUE(saveLabelSettings(store, "F6ABC", settings).ok());
  EXPECT_EQ(stored("N° Activite"), "DFCF 59-045");
  EXPECT_EQ(stored("Type etiquette") + stored("Format etiquette") + stored("Centrage V"), "340");
  EXPECT_EQ(readLabelSettings(store, "F6ABC"), settings);
  EXPECT_EQ(readLabelSettings(store, "F5XYZ"), LabelSettings{});  // another station has its own

  // No type chosen leaves the stored one alone.
  ASSERT_TRUE(saveLabelSettings(store, "F6ABC", LabelSettings{}).ok());
  EXPECT_EQ(stored("Type etiquette"), "3");
  for (const auto& [key, value] :
       {std::pair{"Format etiquette", "7"}, {"Format QSL", "abc"}, {"Centrage V", "-1"}, {"Type etiquette", "1"}}) {
    ASSERT_TRUE(store.save("ZIV", "Setup F6ABC", key, value).ok());
  }
  EXPECT_EQ(readLabelSettings(store, "F6ABC"), LabelSettings{});
}

}  // namespace
}  // namespace brivant
