#include <gtest/gtest.h>

#include "core/LogFile.h"
#include "core/QsoRecord.h"
#include "entry/DeleteContact.h"
#include "platform/TextFile.h"
#include "tests/support/Records.h"
#include "tests/support/TestFiles.h"

namespace brivant {
namespace {

using testing::crlf;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

using testing::LogStation;

std::string record(std::string_view callsign, std::string_view start) {
  return testing::plainRecord(callsign, "06/06/26", start);
}

class DeleteContactTest : public ::testing::Test {
 protected:
  void writeLog(const std::vector<std::string>& records) { writeBytes(dir / "F6ABC.log", crlf(records)); }
  ListLines list() { return Charge_Liste_QSO(dir.path(), LogStation).value(); }
  TempDir dir;
};

TEST_F(DeleteContactTest, RemovesTheSelectedContactAndKeepsTheOthersByteForByte) {
  const std::string a = record("F5AAA", "10:00"), b = record("DL1BBB", "10:05"), c = record("F5CCC", "10:10");
  // A hand-edited line of another length is kept as it is.
  const std::string odd = "odd line";
  writeLog({a, b, odd, c});
  const Result<DeleteOutcome> done = deleteLoggedContact(dir.path(), LogStation, list(), 1);
  ASSERT_TRUE(done.ok());
  EXPECT_TRUE(done->removed);
  EXPECT_EQ(readBytes(dir / "F6ABC.log"), crlf({a, odd, c}));
  EXPECT_EQ(done->lines, numberedListLines({a, odd, c}));
  EXPECT_FALSE(TextFile::exists(dir / "Temporaire6.txt"));
}

TEST_F(DeleteContactTest, OfTwoIdenticalContactsOnlyTheSelectedOneGoes) {
  const std::string a = record("F5AAA", "10:00");
  writeLog({a, a, a});
  const Result<DeleteOutcome> done = deleteLoggedContact(dir.path(), LogStation, list(), 2);
  ASSERT_TRUE(done.ok());
  EXPECT_EQ(readBytes(dir / "F6ABC.log"), crlf({a, a}));
}

TEST_F(DeleteContactTest, DeletingTheOnlyContactLeavesAnEmptyLog) {
  writeLog({record("F5AAA", "10:00")});
  const Result<DeleteOutcome> done = deleteLoggedContact(dir.path(), LogStation, list(), 0);
  ASSERT_TRUE(done.ok());
  EXPECT_EQ(readBytes(dir / "F6ABC.log"), "");
  EXPECT_TRUE(TextFile::exists(dir / "F6ABC.log"));
  EXPECT_TRUE(done->lines.empty());
}

TEST_F(DeleteContactTest, AListThatNoLongerMatchesTheLogChangesNothing) {
  const std::string a = record("F5AAA", "10:00"), b = record("DL1BBB", "10:05");
  writeLog({a, b});
  const ListLines stale = numberedListLines({a, record("G4XXX", "11:00")});
  const Result<DeleteOutcome> done = deleteLoggedContact(dir.path(), LogStation, stale, 1);
  ASSERT_TRUE(done.ok());
  EXPECT_FALSE(done->removed);
  EXPECT_EQ(readBytes(dir / "F6ABC.log"), crlf({a, b}));
  EXPECT_EQ(done->lines, numberedListLines({a, b}));
}

TEST_F(DeleteContactTest, AFailedWriteLeavesTheOldLog) {
  const std::string a = record("F5AAA", "10:00"), b = record("DL1BBB", "10:05");
  writeLog({a, b});
  TextFile::testing::setFaultHook([](TextFile::testing::Step step, const std::filesystem::path&) -> std::optional<int> {
    if (step == TextFile::testing::Step::Rename) return DiskFull;
    return std::nullopt;
  });
  const Result<DeleteOutcome> done = deleteLoggedContact(dir.path(), LogStation, list(), 0);
  TextFile::testing::setFaultHook({});
  ASSERT_FALSE(done.ok());
  EXPECT_EQ(done.error().number, DiskFull);
  EXPECT_EQ(readBytes(dir / "F6ABC.log"), crlf({a, b}));
  EXPECT_FALSE(TextFile::exists(dir / "Temporaire6.txt"));
}

TEST_F(DeleteContactTest, MissingLogIsFileNotFound) {
  const Result<DeleteOutcome> done = deleteLoggedContact(dir.path(), LogStation, {}, 0);
  ASSERT_FALSE(done.ok());
  EXPECT_EQ(done.error().number, FileNotFound);
}

TEST(DeleteContactTexts, TheQuestionNamesTenCharactersOfTheCallsign) {
  EXPECT_EQ(callsignToDelete(QsoListLine(3, record("F5ABCDEFGHIJ", "10:00"))), "F5ABCDEFGH");
}

}  // namespace
}  // namespace brivant
