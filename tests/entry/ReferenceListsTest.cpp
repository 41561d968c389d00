#include <gtest/gtest.h>

#include "entry/ReferenceLists.h"
#include "platform/TextFile.h"
#include "tests/support/TestFiles.h"

namespace brivant {
namespace {

using testing::crlf;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

class DirectoryTest : public ::testing::Test {
 protected:
  std::filesystem::path file() const { return dir / "Nomenclature.txt"; }
  DirectoryEntry find(std::string_view call) const { return Cherche_Nomenclature(dir.path(), call); }
  TempDir dir;
};

TEST_F(DirectoryTest, LookupReadsDepartementAndLocator) {
  writeBytes(file(), crlf({"F1ABC      59 JO10AB", "F2XYZ      5  JN05", "  F3LEAD     75 JN18",
                           "F4ONE      13 JN23,F4TWO      2A JN42", "TK5EP      96 JN41"}));
  struct Case {
    const char* call;
    const char* dept;
    const char* locator;
  };
  for (const Case& c :
       {Case{"F1ABC", "59", "JO10AB"}, Case{"F2XYZ", "05", "JN05"}, Case{"F3LEAD", "75", "JN18"},
        Case{"F4TWO", "2A", "JN42"}, Case{"TK5EP", "96", "JN41"}, Case{"F9NONE", "", ""}, Case{"", "", ""}}) {
    const DirectoryEntry entry = find(c.call);
    EXPECT_EQ(entry.departement, c.dept) << c.call;
    EXPECT_EQ(entry.locator, c.locator) << c.call;
  }
}

TEST_F(DirectoryTest, MissingDirectoryIsAnEmptyResult) {
  const DirectoryEntry entry = find("F1ABC");
  EXPECT_EQ(entry.departement, "");
  EXPECT_EQ(entry.locator, "");
}

TEST_F(DirectoryTest, UpdateReplacesTheLineOrAppendsIt) {
  writeBytes(file(), crlf({"F1ABC      59 JO10AB", "F2XYZ      05 JN05", "F1ABC      62 JO10"}));
  ASSERT_TRUE(MAJ_Nomenclature(dir.path(), "F1ABC", "62", "JO10CD").ok());
  EXPECT_EQ(readBytes(file()), crlf({"F1ABC      62 JO10CD", "F2XYZ      05 JN05"}));
  ASSERT_TRUE(MAJ_Nomenclature(dir.path(), "F5NEW", "96", "").ok());
  EXPECT_EQ(readBytes(file()), crlf({"F1ABC      62 JO10CD", "F2XYZ      05 JN05", "F5NEW      96 "}));
  EXPECT_FALSE(TextFile::exists(dir / "Temporaire5.txt"));
  EXPECT_EQ(find("F5NEW").departement, "96");
}

TEST_F(DirectoryTest, UpdateCreatesAMissingDirectory) {
  ASSERT_TRUE(MAJ_Nomenclature(dir.path(), "F1ABC", "5", "JN05").ok());
  EXPECT_EQ(readBytes(file()), crlf({"F1ABC      5  JN05"}));
  EXPECT_EQ(find("F1ABC").departement, "05");
}

TEST_F(DirectoryTest, CallsignTooLongForTheLayoutIsNotWritten) {
  writeBytes(file(), crlf({"F1ABC      59 JO10AB"}));
  ASSERT_TRUE(MAJ_Nomenclature(dir.path(), "F1ABCDEFGHI", "59", "JO10").ok());
  ASSERT_TRUE(MAJ_Nomenclature(dir.path(), "F1ABC", "593", "JO10").ok());
  EXPECT_EQ(readBytes(file()), crlf({"F1ABC      59 JO10AB"}));
  EXPECT_EQ(directoryLine("F1ABCDEFGH", "59", "JO10"), "F1ABCDEFGH 59 JO10");
}

class FirstNameTest : public ::testing::Test {
 protected:
  std::filesystem::path file() const { return dir / "Liste_Prenom.txt"; }
  FirstNameEntry find(std::string_view call) const {
    Result<FirstNameEntry> entry = Cherche_Prenom(dir.path(), call);
    EXPECT_TRUE(entry.ok());
    return entry.valueOr({});
  }
  void store(std::string_view line, bool missing) {
    ASSERT_TRUE(Ajoute_Prenom(dir.path(), line, missing).ok());
    EXPECT_FALSE(TextFile::exists(dir / "Temporaire.txt"));
  }
  TempDir dir;
};

TEST_F(FirstNameTest, LineLayout) {
  EXPECT_EQ(firstNameLine("F1ABC", "59", "Jean"), "F1ABC        59 JEAN");
  EXPECT_EQ(firstNameLine("F1ABCDEFGHIJ", "2a", ""), "F1ABCDEFGHIJ 2a ");
  EXPECT_EQ(firstNameLine("DL1AA", "", "h\xe9l\xe8ne"), "DL1AA           H\xc9L\xc8NE");
}

TEST_F(FirstNameTest, SavedStationIsFoundNextTime) {
  store(firstNameLine("F1ABC", "2a", "Paul"), true);
  const FirstNameEntry entry = find("F1ABC");
  EXPECT_TRUE(entry.found);
  EXPECT_EQ(entry.departement, "2a");
  EXPECT_EQ(entry.firstName, "PAUL");
  EXPECT_FALSE(find("F1AB").found);
}

TEST_F(FirstNameTest, LastMatchingLineWins) {
  writeBytes(file(), crlf({"F1ABC        59 jean", "F1ABC        62 pierre  ", "DL1AA           "}));
  const FirstNameEntry entry = find("F1ABC");
  EXPECT_EQ(entry.departement, "62");
  EXPECT_EQ(entry.firstName, "PIERRE");
  const FirstNameEntry abroad = find("DL1AA");
  EXPECT_TRUE(abroad.found);
  EXPECT_EQ(abroad.departement, "  ");
  EXPECT_EQ(abroad.firstName, "");
}

// Whatever the lookup said (it may be stale, or the list unreadable then),
// the list keeps one line per callsign.
TEST_F(FirstNameTest, OneLinePerCallsign) {
  writeBytes(file(), crlf({"F1ABC        59 JEAN", "DL1AA           HANS", "F1ABC        59 JEAN-PAUL"}));
  for (bool missing : {true, false}) {
    store(firstNameLine("F1ABC", "62", "Pierre"), missing);
    EXPECT_EQ(readBytes(file()), crlf({"F1ABC        62 PIERRE", "DL1AA           HANS"}));
  }
  for (bool missing : {false, true}) {
    store(firstNameLine("ON4AA", "", "Luc"), missing);
    EXPECT_EQ(readBytes(file()), crlf({"F1ABC        62 PIERRE", "DL1AA           HANS", "ON4AA           LUC"}));
  }
}

TEST_F(FirstNameTest, MissingListIsCreatedAtSave) {
  store(firstNameLine("F1ABC", "59", "Jean"), true);
  EXPECT_EQ(readBytes(file()), crlf({"F1ABC        59 JEAN"}));
}

TEST_F(FirstNameTest, LineThatCouldNotBeFoundAgainIsNotStored) {
  store("             59 NOBODY", true);
  store("F1ABCDEFGHIJK 59 TOOLONG", true);
  EXPECT_FALSE(TextFile::exists(file()));
}

TEST_F(FirstNameTest, UnreadableListIsAnError) {
  Result<FirstNameEntry> missing = Cherche_Prenom(dir.path(), "F1ABC");
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().number, FileNotFound);
  std::filesystem::create_directory(file());
  EXPECT_FALSE(Cherche_Prenom(dir.path(), "F1ABC").ok());
  EXPECT_FALSE(Ajoute_Prenom(dir.path(), firstNameLine("F1ABC", "59", "Jean"), true).ok());
  EXPECT_EQ(firstNameListMessage(true), QStringLiteral("Attention il vous faut le fichier 'Liste_Prenom.txt'"));
  EXPECT_EQ(firstNameListMessage(false), QStringLiteral("Caution you need the file 'Liste_Prenom.txt'"));
}

}  // namespace
}  // namespace brivant
