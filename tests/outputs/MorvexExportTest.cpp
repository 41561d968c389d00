#include "outputs/MorvexExport.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "platform/TextFile.h"
#include "tests/outputs/OutputsTestData.h"

namespace brivant {
namespace {

using namespace testing;

class MorvexExportTest : public ::testing::Test {
 protected:
  void TearDown() override { TextFile::testing::setFaultHook({}); }
  TempDir dir;
};

TEST_F(MorvexExportTest, ByteCopyOfTheLogReplacingThePreviousOne) {
  const std::string log = crlf(recordsOf(variedContacts()));
  writeBytes(dir / "FXXXX.log", log);
  expectBytesMatchGolden(log, "outputs/varied.log");  // the log every export of these tests starts from
  writeBytes(dir / "FXXXX.mvx", "an older and longer export of another log\r\n");

  ExportOutcome outcome = exportMorvex(dir.path(), "FXXXX", true);
  EXPECT_TRUE(outcome.ok);
  EXPECT_EQ(outcome.message, QStringLiteral("le fichier FXXXX.log a été copié en FXXXX.mvx"));
  expectMatchesGolden(dir / "FXXXX.mvx", "outputs/varied.log");

  writeBytes(dir / "FXXXX.log", "");
  outcome = exportMorvex(dir.path(), "FXXXX", false);
  EXPECT_EQ(outcome.message, QStringLiteral("The file FXXXX.log was copied FXXXX.mvx"));
  EXPECT_EQ(readBytes(dir / "FXXXX.mvx"), "");
}

TEST_F(MorvexExportTest, FailedCopyReportsTheFailureNotTheSuccess) {
  writeBytes(dir / "FXXXX.log", crlf(recordsOf(variedContacts())));
  writeBytes(dir / "FXXXX.mvx", "previous\r\n");
  struct Case {
    TextFile::testing::Step step;
    int error;
    const char* french;
  };
  for (const Case& c :
       {Case{TextFile::testing::Step::Open, EACCES, "Erreur N° 70 : le fichier FXXXX.mvx n'a pas été enregistré."},
        Case{TextFile::testing::Step::Write, ENOSPC, "Erreur N° 61 : le fichier FXXXX.mvx n'a pas été enregistré."},
        Case{TextFile::testing::Step::Rename, EIO, "Erreur N° 57 : le fichier FXXXX.mvx n'a pas été enregistré."}}) {
    TextFile::testing::setFaultHook([&](TextFile::testing::Step step, const fs::path& file) -> std::optional<int> {
      if (step == c.step && file.filename() != "FXXXX.log") return c.error;
      return std::nullopt;
    });
    const ExportOutcome outcome = exportMorvex(dir.path(), "FXXXX", true);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, QString::fromUtf8(c.french));
    EXPECT_EQ(readBytes(dir / "FXXXX.mvx"), "previous\r\n");
  }
}

TEST_F(MorvexExportTest, MissingLogIsAReadingFailure) {
  const ExportOutcome outcome = exportMorvex(dir.path(), "FXXXX", false);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.message, QStringLiteral("Error No. 53: the file FXXXX.log could not be read."));
  EXPECT_FALSE(TextFile::exists(dir / "FXXXX.mvx"));
}

}  // namespace
}  // namespace brivant
