#include "platform/Diagnostics.h"

#include <gtest/gtest.h>

#include <QLoggingCategory>
#include <string>

#include "tests/support/TestFiles.h"

namespace brivant {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

Q_LOGGING_CATEGORY(otherCategory, "brivant.other")

class DiagnosticsTest : public ::testing::Test {
 protected:
  ~DiagnosticsTest() override { Diagnostics::uninstall(); }
  fs::path folder() const { return dir / "state" / "Brivant"; }
  std::string log() const { return readBytes(Diagnostics::logFile(folder())); }
  TempDir dir;
};

TEST_F(DiagnosticsTest, AFileErrorIsLoggedWithItsNumberFileAndReason) {
  Diagnostics::install(folder());
  // Nothing is made before there is something to say.
  EXPECT_FALSE(fs::exists(folder()));
  Diagnostics::fileError(FileError{70, "/data/F6ABC.log", "Permission denied"}, "the missing-file window");
  qCWarning(otherCategory) << "not a file error";
  const std::string text = log();
  EXPECT_NE(text.find("warning Erreur N° 70, file \"/data/F6ABC.log\": Permission denied (the missing-file window)\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("not a file error"), std::string::npos);
  EXPECT_EQ(text.back(), '\n');

  Diagnostics::deviceError("the printer did not end the document");
  EXPECT_NE(log().find("the printer did not end the document\n"), std::string::npos);

  Diagnostics::startupStep("first run: the station is asked for");
  EXPECT_NE(log().find(" info first run: the station is asked for\n"), std::string::npos);
}

// What a user sends: every category of the program in the one file, the
// debug messages only once QT_LOGGING_RULES (here the same rules set from the
// program) asks for them.
TEST_F(DiagnosticsTest, EveryCategoryGoesToTheFileAndDebugOnlyWhenAskedFor) {
  Diagnostics::install(folder());
  for (const auto category : {brivantRadio, brivantCluster, brivantImport, brivantStartup}) {
    qCInfo(category).noquote() << category().categoryName() << "said";
    qCDebug(category).noquote() << category().categoryName() << "detail";
  }
  QLoggingCategory::setFilterRules(QStringLiteral("brivant.*.debug=true"));
  qCDebug(brivantCluster) << "page asked for";
  QLoggingCategory::setFilterRules(QString());
  qCDebug(brivantCluster) << "no longer";
  const std::string text = log();
  for (const char* said : {" info brivant.radio said\n", " info brivant.cluster said\n", " info brivant.import said\n",
                           " info brivant.startup said\n", " debug page asked for\n"})
    EXPECT_NE(text.find(said), std::string::npos) << said << "\n" << text;
  EXPECT_EQ(text.find("detail"), std::string::npos) << text;
  EXPECT_EQ(text.find("no longer"), std::string::npos) << text;
}

TEST_F(DiagnosticsTest, WithoutInstallNothingIsWritten) {
  Diagnostics::fileError(FileError{53, "x", "No such file or directory"});
  Diagnostics::install(folder());
  Diagnostics::uninstall();
  Diagnostics::fileError(FileError{53, "y", "No such file or directory"});
  EXPECT_FALSE(fs::exists(Diagnostics::logFile(folder())));
}

TEST_F(DiagnosticsTest, AFullLogBecomesTheOneOlderCopy) {
  fs::create_directories(folder());
  const std::string nearlyFull(Diagnostics::RotationBytes - 10, 'a');
  writeBytes(Diagnostics::logFile(folder()), nearlyFull);
  writeBytes(Diagnostics::olderLogFile(folder()), "oldest");
  Diagnostics::install(folder());

  Diagnostics::fileError(FileError{61, "F6ABC.log", "No space left on device"});
  EXPECT_EQ(readBytes(Diagnostics::olderLogFile(folder())), nearlyFull);
  EXPECT_NE(log().find("Erreur N° 61"), std::string::npos);
  EXPECT_LT(log().size(), 200u);

  // Only one older copy is kept.
  Diagnostics::fileError(FileError{57, "F6ABC.log", "Input/output error"});
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder())) ++files;
  EXPECT_EQ(files, 2u);
}

TEST_F(DiagnosticsTest, ALogThatCannotBeWrittenNeverStopsTheProgram) {
  // A file stands where the folder should be.
  writeBytes(dir / "state", "not a folder");
  Diagnostics::install(folder());
  Diagnostics::fileError(FileError{75, "F6ABC.log", "Is a directory"});
  EXPECT_EQ(readBytes(dir / "state"), "not a folder");
}

}  // namespace
}  // namespace brivant
