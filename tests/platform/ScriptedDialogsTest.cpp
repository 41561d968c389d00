#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

using brivant::testing::ScriptedDialogs;
using Kind = ScriptedDialogs::Kind;
using ::testing::HasSubstr;

TEST(ScriptedDialogs, AnswersFromTheQueueAndRecords) {
  ScriptedDialogs dialogs;
  dialogs.expectMessage("Indicatif incorrect")
      .expectYesNo(HasSubstr("nouveau"), true)
      .expectYesNo(QStringLiteral("Encore ?"), false)
      .expectOkCancel(HasSubstr("ATTENTION"), false);
  brivant::Dialogs& shown = dialogs;
  shown.message(QStringLiteral("Indicatif incorrect"));
  EXPECT_TRUE(shown.yesNo(QString::fromUtf8("Préfixe nouveau sur cette bande")));
  EXPECT_FALSE(shown.yesNo(QStringLiteral("Encore ?")));
  EXPECT_FALSE(shown.okCancelCritical(QStringLiteral("!!! ATTENTION !!! tout")));
  dialogs.verifyAllConsumed();

  ASSERT_EQ(dialogs.shown().size(), 4u);
  EXPECT_EQ(dialogs.shown()[3].kind, Kind::OkCancel);
  EXPECT_EQ(dialogs.texts(Kind::YesNo),
            (QStringList{QString::fromUtf8("Préfixe nouveau sur cette bande"), QStringLiteral("Encore ?")}));
  EXPECT_EQ(dialogs.lastText(), QStringLiteral("!!! ATTENTION !!! tout"));
}

TEST(ScriptedDialogs, UnexpectedBoxesFailTheTest) {
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedDialogs dialogs;
        dialogs.message(QStringLiteral("Surprise"));
      },
      "unexpected message (OK) box: \"Surprise\"");
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedDialogs dialogs;
        dialogs.expectYesNo("Continuer ?", true);
        // Another kind than queued: answered No, never Yes.
        EXPECT_FALSE(dialogs.okCancelCritical(QStringLiteral("Continuer ?")));
        dialogs.clearShown();
        EXPECT_TRUE(dialogs.yesNo(QStringLiteral("Continuer ?")));
      },
      "expected Yes/No box");
  // The wrong text is reported when shown, and the expected one at the end.
  std::vector<std::string> failures;
  {
    ::testing::TestPartResultArray results;
    {
      ::testing::ScopedFakeTestPartResultReporter reporter(
          ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
      ScriptedDialogs dialogs;
      dialogs.expectMessage("Date incorrecte");
      dialogs.message(QStringLiteral("Heure incorrecte"));
    }
    for (int i = 0; i < results.size(); ++i) failures.push_back(results.GetTestPartResult(i).message());
  }
  ASSERT_EQ(failures.size(), 2u);
  EXPECT_THAT(failures[0], HasSubstr("unexpected message (OK) box: \"Heure incorrecte\""));
  EXPECT_THAT(failures[0], HasSubstr("Date incorrecte"));
  EXPECT_THAT(failures[1], HasSubstr("never shown: text is equal to \"Date incorrecte\""));
}

TEST(ScriptedDialogs, LeftoverExpectationsFailTheTest) {
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedDialogs dialogs;
        dialogs.expectOkCancel("Effacer ?", true);
      },
      "OK/Cancel box was never shown");
}

TEST(ScriptedDialogs, LenientModeOnlyRecords) {
  ScriptedDialogs dialogs;
  dialogs.setLenient(true, false);
  dialogs.expectYesNo("Garder ?", true);
  dialogs.message(QStringLiteral("un"));
  EXPECT_FALSE(dialogs.yesNo(QStringLiteral("Autre ?")));  // the lenient answer
  EXPECT_TRUE(dialogs.yesNo(QStringLiteral("Garder ?")));  // the queued one
  EXPECT_EQ(dialogs.texts(), (QStringList{"un", "Autre ?", "Garder ?"}));
  EXPECT_EQ(dialogs.lastText(), QStringLiteral("Garder ?"));
}

}  // namespace

namespace {

TEST(ScriptedDialogs, FileChoicesAndQuestionsReplyOrCancel) {
  ScriptedDialogs dialogs;
  dialogs.expectSaveFile(HasSubstr("image"), QStringLiteral("/tmp/carte.png"))
      .expectOpenFile("ADIF", std::nullopt)
      .expectText("Serveur", QStringLiteral("dx.example.org"));
  brivant::Dialogs& shown = dialogs;
  EXPECT_EQ(shown.chooseFileToSave(QStringLiteral("Enregistrer l'image"), {}, {}),
            std::optional<QString>(QStringLiteral("/tmp/carte.png")));
  EXPECT_EQ(shown.chooseFileToOpen(QStringLiteral("ADIF"), {}, {}), std::nullopt);
  EXPECT_EQ(shown.askText(QStringLiteral("Serveur"), {}), std::optional<QString>(QStringLiteral("dx.example.org")));
  dialogs.verifyAllConsumed();
  EXPECT_EQ(dialogs.texts(Kind::SaveFile), QStringList{QStringLiteral("Enregistrer l'image")});

  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedDialogs unexpected;
        EXPECT_EQ(unexpected.askText(QStringLiteral("Port"), {}), std::nullopt);
      },
      "unexpected text question box: \"Port\"");
}

}  // namespace
