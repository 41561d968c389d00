#include <gtest/gtest.h>

#include "core/QsoRecord.h"
#include "platform/TextFile.h"
#include "scoring/SaveContact.h"
#include "tests/entry/ContactTestData.h"
#include "tests/entry/TallyTestData.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestFiles.h"

namespace brivant {
namespace {

using testing::frenchCastle;

TEST(SaveContact, NewContactRecordTakesDfcfForFrenchCastlesOnly) {
  const QsoFields t = frenchCastle();
  const std::string record = *newContactRecord(t, "F", "3");
  EXPECT_EQ(record.size(), 199u);
  EXPECT_EQ(recordFieldTrimmed(record, QsoLayout::Qth), "DFCF 59045");
  EXPECT_EQ(recordFieldTrimmed(record, QsoLayout::Locator), "");  // HF: no locator
  EXPECT_EQ(recordFieldTrimmed(record, QsoLayout::Points), "3");
  EXPECT_EQ(recordField(record, QsoLayout::Marker), std::string(NewContactMarker));
  EXPECT_EQ(recordField(record, QsoLayout::Activity), "1 ");
  EXPECT_EQ(recordFieldTrimmed(*newContactRecord(t, "TM", "3"), QsoLayout::Qth), "DFCF 59045");
  EXPECT_EQ(recordFieldTrimmed(*newContactRecord(t, "TH", "3"), QsoLayout::Qth), "59045");
  QsoFields plain = t;
  plain.activity = "0";  // QSO
  EXPECT_EQ(recordFieldTrimmed(*newContactRecord(plain, "F", "3"), QsoLayout::Qth), "59045");
}

TEST(SaveContact, EditedRecordKeepsMarkerAndStoredReference) {
  QsoFields t = frenchCastle();
  t.qth = "DFCF 59045";
  t.callsign = "f5abc";
  t.band = "144 Mhz";
  t.locator = "jo10aa";
  t.distance = "233";
  std::string edited = QsoListLine(7, *newContactRecord(frenchCastle(), "F", "3"));
  edited.replace(140, 20, "3                   ");
  const std::string points = editedContactPoints(t.band, t.distance, "3");
  EXPECT_EQ(points, "233");
  const std::string record = *editedContactRecord(t, edited, points);
  EXPECT_EQ(recordFieldTrimmed(record, QsoLayout::Callsign), "F5ABC");
  EXPECT_EQ(recordFieldTrimmed(record, QsoLayout::Locator), "JO10AA");  // kept off HF
  EXPECT_EQ(recordFieldTrimmed(record, QsoLayout::Qth), "DFCF 59045");
  EXPECT_EQ(recordField(record, QsoLayout::Marker), "3                   ");
  EXPECT_EQ(recordFieldTrimmed(record, QsoLayout::Points), "233");
  EXPECT_EQ(editedContactPoints("21 Mhz", "", "3"), "4");
  EXPECT_EQ(editedContactPoints("1.8 Mhz", "", "3"), "3");
}

TEST(SaveContact, DirectoryQuestion) {
  EXPECT_FALSE(directoryQuestion(true, "F5ABC", "59", "59", "JO10AA", "JO10AA"));
  EXPECT_EQ(directoryQuestion(true, "F5ABC", "59", "", "", ""),
            QString::fromUtf8(
                "Remplacer F5ABC Département XX Locator XXXXXX\r\n\r\n      par F5ABC département 59 Locator  ?"));
  EXPECT_EQ(directoryQuestion(false, "F5ABC", "96", "97", "JN41AA", "JN41AA"),
            QString::fromUtf8(
                "Replace F5ABC Département 2b Locator JN41AA\r\n\r\n      by F5ABC département 2a Locator JN41AA ?"));
}

TEST(SaveContact, DepartementFlagAsBasicReadsIt) {
  EXPECT_TRUE(departementFlagIsNew("0"));
  EXPECT_TRUE(departementFlagIsNew(" "));
  EXPECT_FALSE(departementFlagIsNew(""));
  EXPECT_FALSE(departementFlagIsNew("1"));
  EXPECT_FALSE(departementFlagIsNew("3"));
}

TEST(SaveContact, OneContactLogIs201Bytes) {
  testing::TempDir dir;
  testing::writeBytes(dir / "F6ABC.log", testing::crlf({*newContactRecord(frenchCastle(), "F", "3")}));
  EXPECT_TRUE(logHoldsOneContact(dir.path(), "F6ABC"));
  testing::writeBytes(dir / "F6ABC.log", testing::crlf({*newContactRecord(frenchCastle(), "F", "3"),
                                                        *newContactRecord(frenchCastle(), "F", "3")}));
  EXPECT_FALSE(logHoldsOneContact(dir.path(), "F6ABC"));
  EXPECT_FALSE(logHoldsOneContact(dir.path(), "NOLOG"));
  EXPECT_EQ(oneContactEditMessage(false),
            QStringLiteral("There must be at least TWO QSO recorded to change the first QSO"));
}

class ContactFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::seedStation(dir.path(), "F6ABC"); }
  ContactFileJobs everything() {
    ContactFileJobs jobs;
    jobs.firstNameLine = "F5ABC        59 JEAN";
    jobs.directory = ContactFileJobs::Directory{"F5ABC", "59", "JO10AA"};
    jobs.departement = ContactFileJobs::Flag{"59", "14 Mhz", "SSB"};
    jobs.prefix = ContactFileJobs::Flag{"F", "14 Mhz", "SSB"};
    return jobs;
  }
  std::string line(const char* name, std::string_view key) {
    for (const std::string& l : TextFile::readLines(dir / name).valueOr({}))
      if (l.starts_with(key)) return l;
    return {};
  }
  testing::TempDir dir;
};

TEST_F(ContactFilesTest, EveryJobIsDoneAndNoTemporaryIsLeft) {
  const ContactFileOutcome outcome = updateContactFiles(dir.path(), "F6ABC", everything());
  EXPECT_TRUE(outcome.firstNames.ok() && outcome.directory.ok() && outcome.departement.ok());
  ASSERT_TRUE(outcome.prefix && outcome.prefix->ok());
  EXPECT_EQ((*outcome.prefix)->prefix, "F");
  EXPECT_EQ(testing::readBytes(dir / "Liste_Prenom.txt"), testing::crlf({"F5ABC        59 JEAN"}));
  EXPECT_EQ(testing::readBytes(dir / "Nomenclature.txt"), testing::crlf({"F5ABC      59 JO10AA"}));
  EXPECT_EQ(line("F6ABC_Departement_SSB.txt", "59"), "59 00001000000000000 Nord");
  EXPECT_EQ(line("F6ABC_Prefixe_SSB.txt", "F "), "F      00001000000000000  F      France");
  for (const char* temporary : {"Temporaire.txt", "Temporaire1.txt", "Temporaire2.txt", "Temporaire5.txt"})
    EXPECT_FALSE(TextFile::exists(dir / temporary)) << temporary;
}

TEST_F(ContactFilesTest, OnlyTheJobsAskedForRun) {
  ContactFileJobs jobs;
  jobs.firstNameLine = "G4XYZ           ";
  const std::string prefixes = testing::readBytes(dir / "F6ABC_Prefixe_SSB.txt");
  const ContactFileOutcome outcome = updateContactFiles(dir.path(), "F6ABC", jobs);
  EXPECT_TRUE(outcome.firstNames.ok());
  EXPECT_FALSE(outcome.prefix);
  EXPECT_FALSE(TextFile::exists(dir / "Nomenclature.txt"));
  EXPECT_EQ(testing::readBytes(dir / "F6ABC_Prefixe_SSB.txt"), prefixes);
}

TEST_F(ContactFilesTest, AFailingFileDoesNotStopTheOthers) {
  std::filesystem::remove(dir / "F6ABC_Departement_SSB.txt");
  const ContactFileOutcome outcome = updateContactFiles(dir.path(), "F6ABC", everything());
  ASSERT_FALSE(outcome.departement.ok());
  EXPECT_EQ(outcome.departement.error().number, FileNotFound);
  EXPECT_TRUE(outcome.firstNames.ok() && outcome.directory.ok());
  ASSERT_TRUE(outcome.prefix && outcome.prefix->ok());
  EXPECT_EQ(line("F6ABC_Prefixe_SSB.txt", "F "), "F      00001000000000000  F      France");
}

}  // namespace
}  // namespace brivant
