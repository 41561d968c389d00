#include "outputs/RulesText.h"

#include <gtest/gtest.h>

namespace brivant {
namespace {

TEST(RulesTextTest, SixtyThreeLinesNamingNoOneUnlessConfigured) {
  const QStringList lines = rulesLines({});
  ASSERT_EQ(lines.size(), RulesLineCount);
  EXPECT_EQ(lines[0], QStringLiteral("BUT : Pour promouvoir les diplômes des châteaux Français et contribuer à la "
                                     "connaissance de notre patrimoine."));
  EXPECT_TRUE(lines[1].isEmpty());
  EXPECT_TRUE(lines[9].endsWith(QStringLiteral("auprès ")));
  EXPECT_EQ(lines[31],
            QStringLiteral("Total = points QSO x ( Multis châteaux + Multis départements + Multis Pays DXCC)"));
  EXPECT_EQ(lines[33], QStringLiteral("Envoi du compte rendu avant le 30/06/13 au correcteur de la JNC."));
  EXPECT_EQ(lines[38], QStringLiteral("NOTE : "));
  EXPECT_EQ(lines[59], QStringLiteral("Coupes attribuées si au moins 5 logs par catégorie."));
  EXPECT_EQ(lines[61], QStringLiteral("Correcteur: voir l'annonce de la JNC."));
  EXPECT_TRUE(lines[62].isEmpty());
  int empty = 0;
  for (const QString& line : lines) empty += line.isEmpty() ? 1 : 0;
  EXPECT_EQ(empty, 16);

  const QStringList named = rulesLines(QStringLiteral("  F0XYZ  "));
  EXPECT_EQ(named[33], QStringLiteral("Envoi du compte rendu avant le 30/06/13 au correcteur F0XYZ."));
  EXPECT_EQ(named[61], QStringLiteral("Correcteur: F0XYZ"));
}

TEST(RulesTextTest, AboutBox) {
  EXPECT_EQ(aboutText(true, " 1.7.5"),
            QStringLiteral("Journée Européenne des Ruziduza\r\n                revision  1.7.5"
                           "\r\n\r\nBrivant, logiciel libre pour la JNC"));
  EXPECT_TRUE(aboutText(false, " 1.7.5").endsWith(QStringLiteral("\r\n\r\nBrivant, free software for the JNC")));
}

}  // namespace
}  // namespace brivant
