// The shipped files that no generator makes: empty lists, help, licence notice.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/TestFiles.h"

namespace {

using brivant::testing::readBytes;
using brivant::testing::shippedDataDir;

TEST(ShippedData, ReferenceListsAndLogTemplateArePresentAndEmpty) {
  for (const char* name : {"FXXXX.log", "Nomenclature.txt", "Liste_Prenom.txt"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(std::filesystem::is_regular_file(shippedDataDir() / name));
    EXPECT_EQ(std::filesystem::file_size(shippedDataDir() / name), 0u);
  }
}

TEST(ShippedData, HelpDocumentCoversBothLanguagesAndEveryMenu) {
  const std::string help = readBytes(shippedDataDir() / "Brivant.html");
  ASSERT_FALSE(help.empty());
  EXPECT_NE(help.find("charset=\"utf-8\""), std::string::npos);
  EXPECT_NE(help.find("lang=\"fr\""), std::string::npos);
  EXPECT_NE(help.find("lang=\"en\""), std::string::npos);
  // The help window opens the document at these anchors; Qt's browser only
  // scrolls to an id carried by a heading or a link, not by a section.
  EXPECT_NE(help.find("<h2 id=\"fr\">"), std::string::npos);
  EXPECT_NE(help.find("<h2 id=\"en\">"), std::string::npos);
  for (const char* text : {"Fichier", "Langage", "Station", "Options", "Cartes", "Statistiques", "Récapitulatif",
                           "Log JNC", "Règlement", "Aide", "QSO Suivant", "RST reçu", "RST envoyé", "Prénom",
                           "Référence Château", "Activité", "Dpt", "Operating manual", "Mode d'emploi"})
    EXPECT_NE(help.find(text), std::string::npos) << text;
}

TEST(ShippedData, PrefixTableLicenceNoticeSitsBesideIt) {
  const std::string notice = readBytes(shippedDataDir() / "FXXXX_Prefixe.LICENSE");
  EXPECT_NE(notice.find("cty.dat"), std::string::npos);
  EXPECT_NE(notice.find("Jim Reisert AD1C"), std::string::npos);
  EXPECT_NE(notice.find("MIT"), std::string::npos);
  EXPECT_NE(notice.find("Permission is hereby granted, free of charge"), std::string::npos);
}

}  // namespace
