#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "platform/TextFile.h"
#include "tests/support/FaultHookGuard.h"
#include "tests/support/TestFiles.h"

namespace {

namespace fs = std::filesystem;
using brivant::SettingsStore;
using brivant::testing::readBytes;
using brivant::testing::TempDir;
using brivant::testing::writeBytes;
using Step = brivant::TextFile::testing::Step;

using FaultHook = brivant::testing::FaultHookGuard;

// Text with NUL bytes in it, taken whole.
template <std::size_t N>
std::string bytes(const char (&text)[N]) {
  return std::string(text, N - 1);
}

TEST(SettingsStore, DefaultsUntilSavedThenPersistsAcrossStores) {
  TempDir dir;
  const fs::path folder = dir / "config" / "Brivant";  // created on the first save
  {
    SettingsStore store(folder);
    EXPECT_EQ(store.get("ZIV", "Setup ", "Indicatif Station", "FXXXX"), "FXXXX");
    ASSERT_TRUE(store.save("ZIV", "Setup ", "Indicatif Station", "F1ABC").ok());
    EXPECT_EQ(store.get("ZIV", "Setup ", "Indicatif Station", "FXXXX"), "F1ABC");
    ASSERT_TRUE(store.save("ZIV", "Setup ", "Indicatif Station", "F2XYZ").ok());  // overwrite
  }
  EXPECT_EQ(SettingsStore(folder).fileOf("ZIV"), folder / "ZIV.ini");
  EXPECT_TRUE(fs::exists(folder / "ZIV.ini"));
  EXPECT_FALSE(fs::exists(folder / "ZIV.ini.tmp"));
  SettingsStore reopened(folder);
  EXPECT_EQ(reopened.get("ZIV", "Setup ", "Indicatif Station", "FXXXX"), "F2XYZ");
  EXPECT_EQ(reopened.get("Other", "Setup ", "Indicatif Station", "none"), "none");
}

TEST(SettingsStore, SectionsAndKeysKeepTheirExactText) {
  TempDir dir;
  {
    SettingsStore store(dir.path());
    ASSERT_TRUE(store.save("ZIV", "Setup ", "Date ZIV", "common").ok());
    ASSERT_TRUE(store.save("ZIV", "Setup", "Date ZIV", "no blank").ok());
    ASSERT_TRUE(store.save("ZIV", "Setup FXXXX", "Date ZIV", "01/01/06").ok());
    ASSERT_TRUE(store.save("ZIV", "Setup F1ABC", "N° Dept", "75").ok());
    ASSERT_TRUE(store.save("ZIV", "Setup F1ABC", " Heure UTC ", "padded key").ok());
    ASSERT_TRUE(store.save("ZIV", "Setup F1ABC", "Heure UTC", "plain key").ok());
  }
  SettingsStore store(dir.path());
  EXPECT_EQ(store.get("ZIV", "Setup ", "Date ZIV", "-"), "common");
  EXPECT_EQ(store.get("ZIV", "Setup", "Date ZIV", "-"), "no blank");
  EXPECT_EQ(store.get("ZIV", "Setup FXXXX", "Date ZIV", "-"), "01/01/06");
  EXPECT_EQ(store.get("ZIV", "Setup F1ABC", "Date ZIV", "-"), "-");
  EXPECT_EQ(store.get("ZIV", "Setup F1ABC", "N° Dept", "-"), "75");
  EXPECT_EQ(store.get("ZIV", "Setup F1ABC", " Heure UTC ", "-"), "padded key");
  EXPECT_EQ(store.get("ZIV", "Setup F1ABC", "Heure UTC", "-"), "plain key");
  // The file stays readable by a person.
  const std::string text = readBytes(dir / "ZIV.ini");
  EXPECT_NE(text.find("[Setup ]\nDate ZIV=common\n"), std::string::npos) << text;
  EXPECT_NE(text.find("N° Dept=75"), std::string::npos) << text;
}

TEST(SettingsStore, EmptyValueIsNotTheDefault) {
  TempDir dir;
  ASSERT_TRUE(SettingsStore(dir.path()).save("ZIV", "Setup F1ABC", "Locator Station", "").ok());
  SettingsStore store(dir.path());
  EXPECT_EQ(store.get("ZIV", "Setup F1ABC", "Locator Station", "------"), "");
  EXPECT_EQ(store.get("ZIV", "Setup F1ABC", "Absent", "------"), "------");
}

TEST(SettingsStore, AnyTextRoundTrips) {
  const std::string values[] = {
      "a=b=c",
      "back\\slash",
      "\\n is not a line end",
      "two\r\nlines",
      "lf\nonly",
      "[not a section]",
      "trailing blank ",
      " leading blank",
      "tab\there",
      std::string("nul\0inside", 10),
      "Château “quoted” €",
      "1252 bytes Ch\xE2teau \x80",
      "\\",
      "=",
      "\\x41 stays",
  };
  const std::string names[] = {"key=with=equals", "[bracket", "close]", "back\\slash", "line\nend", ""};
  TempDir dir;
  {
    SettingsStore store(dir.path());
    for (std::size_t i = 0; i < std::size(values); ++i)
      ASSERT_TRUE(store.save("ZIV", "Values", "v" + std::to_string(i), values[i]).ok());
    for (const std::string& name : names) {
      ASSERT_TRUE(store.save("ZIV", name, name, "section " + name).ok());
      ASSERT_TRUE(store.save("ZIV", "Names", name, "key " + name).ok());
    }
  }
  SettingsStore store(dir.path());
  for (std::size_t i = 0; i < std::size(values); ++i)
    EXPECT_EQ(store.get("ZIV", "Values", "v" + std::to_string(i), "-"), values[i]) << i;
  for (const std::string& name : names) {
    EXPECT_EQ(store.get("ZIV", name, name, "-"), "section " + name) << name;
    EXPECT_EQ(store.get("ZIV", "Names", name, "-"), "key " + name) << name;
  }
}

TEST(SettingsStore, BooleansAndNumbers) {
  TempDir dir;
  {
    SettingsStore store(dir.path());
    ASSERT_TRUE(store.saveBool("ZIV", "Setup F1ABC", "Date Automatique", true).ok());
    ASSERT_TRUE(store.saveBool("ZIV", "Setup F1ABC", "Heure UTC", false).ok());
  }
  SettingsStore store(dir.path());
  EXPECT_EQ(store.get("ZIV", "Setup F1ABC", "Date Automatique", ""), "True");
  EXPECT_EQ(store.get("ZIV", "Setup F1ABC", "Heure UTC", ""), "False");
  EXPECT_TRUE(store.getBool("ZIV", "Setup F1ABC", "Date Automatique", false));
  EXPECT_FALSE(store.getBool("ZIV", "Setup F1ABC", "Heure UTC", true));
  EXPECT_EQ(store.get("ZIV", "Setup F1ABC", "Date Automatique", ""), SettingsStore::boolText(true));

  struct Case {
    const char* text;
    bool whenDefaultFalse;
    bool whenDefaultTrue;
  };
  const Case cases[] = {{"True", true, true},    {"true", true, true}, {"-1", true, true}, {"1", true, true},
                        {"False", false, false}, {"0", false, false},  {"", false, true},  {"maybe", false, true}};
  for (const auto& c : cases) {
    ASSERT_TRUE(store.save("ZIV", "B", "k", c.text).ok());
    EXPECT_EQ(store.getBool("ZIV", "B", "k", false), c.whenDefaultFalse) << c.text;
    EXPECT_EQ(store.getBool("ZIV", "B", "k", true), c.whenDefaultTrue) << c.text;
  }
  EXPECT_TRUE(store.getBool("ZIV", "B", "absent", true));

  const std::pair<const char*, int> numbers[] = {{"3", 3},   {"-12", -12}, {" 7 ", 7},         {"", 99},
                                                 {"4x", 99}, {"x", 99},    {"99999999999", 99}};
  for (const auto& [text, expected] : numbers) {
    ASSERT_TRUE(store.save("ZIV", "N", "k", text).ok());
    EXPECT_EQ(store.getInt("ZIV", "N", "k", 99), expected) << text;
  }
}

TEST(SettingsStore, DamagedFilesKeepWhatCanBeRead) {
  struct Case {
    const char* name;
    std::string content;
    std::vector<std::tuple<std::string, std::string, std::string>> readable;  // section, key, value
    std::vector<std::pair<std::string, std::string>> absent;
  };
  const Case cases[] = {
      {"cut in a value", "[Setup ]\nA=1\nB=tw", {{"Setup ", "A", "1"}, {"Setup ", "B", "tw"}}, {}},
      {"cut in a key", "[Setup ]\nA=1\nBx", {{"Setup ", "A", "1"}}, {{"Setup ", "Bx"}}},
      {"cut in a header", "[Setup ]\nA=1\n[Set", {{"Setup ", "A", "1"}}, {}},
      {"header without ]",
       "[Setup ]\nA=1\n[Setup F1ABC\nB=2\n",
       {{"Setup ", "A", "1"}, {"Setup F1ABC", "B", "2"}},
       {{"Setup ", "B"}}},
      {"lines without =",
       "[S]\nnothing here\nA=1\n\n   \nB=2\n",
       {{"S", "A", "1"}, {"S", "B", "2"}},
       {{"S", "nothing here"}}},
      {"garbage bytes", bytes("\xFF\xFE\0\x01junk\n[S]\n\x80\x81\x82\nA=1\n\0\0\0\n"), {{"S", "A", "1"}}, {}},
      {"invalid UTF-8",
       "[S]\nA=caf\xE9\nB=ok\nK\xC3=v\n",
       {{"S", "A", "caf\xE9"}, {"S", "B", "ok"}, {"S", "K\xC3", "v"}},
       {}},
      {"CR LF line ends", "[Setup ]\r\nA=1\r\nB=\r\n", {{"Setup ", "A", "1"}, {"Setup ", "B", ""}}, {}},
      {"cut escape", "[S]\nA=end\\\nB=\\x4\n", {{"S", "A", "end\\"}, {"S", "B", "\\x4"}}, {}},
      {"key twice", "[S]\nA=first\nA=second\n", {{"S", "A", "first"}}, {}},
      {"only garbage", bytes("\0\0\0\0"), {}, {{"", ""}}},
  };
  for (const auto& c : cases) {
    TempDir dir;
    writeBytes(dir / "ZIV.ini", c.content);
    {
      SettingsStore store(dir.path());
      for (const auto& [section, key, value] : c.readable)
        EXPECT_EQ(store.get("ZIV", section, key, "<default>"), value) << c.name << ": " << key;
      for (const auto& [section, key] : c.absent)
        EXPECT_EQ(store.get("ZIV", section, key, "<default>"), "<default>") << c.name << ": " << key;
      // Saving rewrites a clean file without losing what was readable.
      ASSERT_TRUE(store.save("ZIV", "Setup ", "Added", "yes").ok()) << c.name;
    }
    SettingsStore reopened(dir.path());
    EXPECT_EQ(reopened.get("ZIV", "Setup ", "Added", "-"), "yes") << c.name;
    for (const auto& [section, key, value] : c.readable)
      EXPECT_EQ(reopened.get("ZIV", section, key, "<default>"), value) << c.name << " after save: " << key;
  }
}

TEST(SettingsStore, FailedSaveKeepsFileAndMemoryAsBefore) {
  TempDir dir;
  SettingsStore store(dir.path());
  ASSERT_TRUE(store.save("ZIV", "Setup ", "Langue", "Fr").ok());
  const std::string before = readBytes(dir / "ZIV.ini");
  for (Step failing : {Step::Open, Step::Write, Step::Flush, Step::Close, Step::Rename}) {
    FaultHook hook([failing](Step step, const fs::path&) -> std::optional<int> {
      return step == failing ? std::optional<int>(ENOSPC) : std::nullopt;
    });
    const brivant::Status changed = store.save("ZIV", "Setup ", "Langue", "En");
    ASSERT_FALSE(changed.ok());
    EXPECT_EQ(changed.error().number, 61);
    EXPECT_FALSE(store.save("ZIV", "Setup ", "New key", "x").ok());
    EXPECT_EQ(store.get("ZIV", "Setup ", "Langue", "-"), "Fr") << int(failing);
    EXPECT_EQ(store.get("ZIV", "Setup ", "New key", "-"), "-") << int(failing);
    EXPECT_EQ(readBytes(dir / "ZIV.ini"), before) << int(failing);
  }
}

TEST(SettingsStore, SavingTheStoredValueAgainWritesNothing) {
  TempDir dir;
  SettingsStore store(dir.path());
  ASSERT_TRUE(store.save("ZIV", "Setup F6ABC", "bande Utilisee", "2").ok());
  int writes = 0;
  FaultHook hook([&writes](Step step, const fs::path&) -> std::optional<int> {
    if (step == Step::Open) ++writes;
    return std::nullopt;
  });
  EXPECT_TRUE(store.save("ZIV", "Setup F6ABC", "bande Utilisee", "2").ok());
  EXPECT_EQ(writes, 0);
  // An empty value is a value like any other: saved once, then left alone.
  EXPECT_TRUE(store.save("ZIV", "Setup F6ABC", "Nom", "").ok());
  EXPECT_TRUE(store.save("ZIV", "Setup F6ABC", "Nom", "").ok());
  EXPECT_EQ(writes, 1);
  EXPECT_TRUE(store.save("ZIV", "Setup F6ABC", "bande Utilisee", "3").ok());
  EXPECT_EQ(writes, 2);
  EXPECT_EQ(SettingsStore(dir.path()).get("ZIV", "Setup F6ABC", "bande Utilisee", "-"), "3");
}

TEST(SettingsStore, UnreadableFileIsNeverOverwritten) {
  TempDir dir;
  ASSERT_TRUE(SettingsStore(dir.path()).save("ZIV", "Setup ", "Langue", "Fr").ok());
  const std::string before = readBytes(dir / "ZIV.ini");
  const fs::path ini = dir / "ZIV.ini";
  SettingsStore store(dir.path());
  {
    FaultHook hook([ini](Step step, const fs::path& file) -> std::optional<int> {
      return step == Step::Open && file == ini ? std::optional<int>(EACCES) : std::nullopt;
    });
    EXPECT_EQ(store.get("ZIV", "Setup ", "Langue", "default"), "default");
    const brivant::Status saved = store.save("ZIV", "Setup ", "Other", "x");
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error().number, 70);
    EXPECT_EQ(readBytes(ini), before);
  }
  // Once the file reads again, the same store sees it.
  EXPECT_EQ(store.get("ZIV", "Setup ", "Langue", "default"), "Fr");
}

TEST(SettingsStore, SettingsFolderThatIsAFile) {
  TempDir dir;
  writeBytes(dir / "Brivant", "a file where the folder should be");
  SettingsStore store(dir / "Brivant");
  EXPECT_EQ(store.get("ZIV", "Setup ", "Langue", "default"), "default");
  const brivant::Status saved = store.save("ZIV", "Setup ", "Langue", "Fr");
  ASSERT_FALSE(saved.ok());
  EXPECT_EQ(saved.error().number, 75);
  EXPECT_EQ(store.get("ZIV", "Setup ", "Langue", "default"), "default");
}

// A settings file the program cannot use as it is stays for the operator to
// look at: never replaced by the defaults of a first run.
TEST(SettingsStore, UnusableFileIsKeptAside) {
  {
    TempDir dir;
    ASSERT_TRUE(SettingsStore(dir.path()).save("ZIV", "Setup ", "Indicatif", "F6ABC").ok());
    SettingsStore store(dir.path());
    auto sound = store.keepAsideIfUnusable("ZIV");
    ASSERT_TRUE(sound.ok());
    EXPECT_FALSE(sound->has_value()) << "a sound file stays where it is";
    EXPECT_FALSE(SettingsStore(dir / "absent").keepAsideIfUnusable("ZIV")->has_value());
  }
  {
    // A folder in place of the file: renamed aside whole, the store starts empty and saves again.
    TempDir dir;
    fs::create_directories(dir / "ZIV.ini" / "inside");
    SettingsStore store(dir.path());
    auto kept = store.keepAsideIfUnusable("ZIV");
    ASSERT_TRUE(kept.ok());
    ASSERT_TRUE(kept->has_value());
    EXPECT_TRUE((*kept)->unreadable);
    EXPECT_TRUE(fs::is_directory((*kept)->file / "inside"));
    EXPECT_NE((*kept)->file.filename().string().find("ZIV.ini.unreadable-"), std::string::npos);
    EXPECT_TRUE(store.save("ZIV", "Setup ", "Indicatif", "F1NEW").ok());
    EXPECT_EQ(SettingsStore(dir.path()).get("ZIV", "Setup ", "Indicatif", "-"), "F1NEW");
  }
  {
    // Damaged lines: a copy of the file as it was, and what reads stays in use.
    TempDir dir;
    const std::string damaged = "[Setup ]\nIndicatif=F6ABC\ngarbage line\n";
    writeBytes(dir / "ZIV.ini", damaged);
    SettingsStore store(dir.path());
    auto kept = store.keepAsideIfUnusable("ZIV");
    ASSERT_TRUE(kept.ok());
    ASSERT_TRUE(kept->has_value());
    EXPECT_FALSE((*kept)->unreadable);
    EXPECT_EQ(readBytes((*kept)->file), damaged);
    EXPECT_EQ(store.get("ZIV", "Setup ", "Indicatif", "-"), "F6ABC");
    EXPECT_FALSE(store.keepAsideIfUnusable("ZIV")->has_value()) << "kept aside once";
  }
}

}  // namespace
