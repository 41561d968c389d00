// The entry following the radio: the band and mode taken only while a new
// contact waits, as if typed, and never a band the entry refuses.

#include <QGroupBox>

#include "entry/ui/EntryChain.h"
#include "tests/entry/ui/EntryWindow.h"
#include "tests/support/FaultHookGuard.h"

namespace brivant::testing {
namespace {

using EntryFollowsRadioTest = EntryWindowTest;

TEST_F(EntryFollowsRadioTest, TheBandAndModeOfTheRadioWhileANewContactWaits) {
  start();
  EntryChain& chain = program->entryChain();
  // At the start the mode awaits: both are taken, the focus stays.
  ASSERT_TRUE(green(m().Mode_A));
  EXPECT_TRUE(chain.followRadio("14 Mhz", "CW"));
  EXPECT_EQ(text(m().Bande_A), "14 Mhz");
  EXPECT_EQ(text(m().Mode_A), "CW");
  EXPECT_EQ(d().EntryBand, "14 Mhz");
  EXPECT_EQ(d().EntryMode, "CW");
  EXPECT_EQ(text(m().RSTR_A), "599");
  EXPECT_EQ(text(m().RSTE_A), "599");
  EXPECT_EQ(setting("bande Utilisee"), "2");
  EXPECT_EQ(setting("Mode Utilise"), "1");
  EXPECT_EQ(m().Frame3->title(), QString::fromUtf8(" 0 Dpts contacté(s) sur 14 Mhz en CW"));
  EXPECT_EQ(focused(), m().Mode_A);

  // The callsign awaits, empty: taken; a mode the log does not keep leaves
  // the mode shown.
  enter();
  ASSERT_TRUE(green(m().Indicatif_A));
  EXPECT_TRUE(chain.followRadio("7.0 Mhz", "SSB"));
  EXPECT_EQ(text(m().RSTR_A), "59");
  EXPECT_TRUE(chain.followRadio("1.8 Mhz", ""));
  EXPECT_EQ(text(m().Bande_A), "1.8 Mhz");
  EXPECT_EQ(text(m().Mode_A), "SSB");
  EXPECT_EQ(setting("bande Utilisee"), "1");  // "1.8 Mhz" is typed, not listed

  // A band the entry refuses, a callsign begun, a contact edited: nothing.
  EXPECT_FALSE(chain.followRadio("10 Mhz", "CW"));
  type("F5A");
  EXPECT_FALSE(chain.followRadio("21 Mhz", "SSB"));
  EXPECT_EQ(text(m().Bande_A), "1.8 Mhz");
  retype("");
  d().EntryEditing = true;
  EXPECT_FALSE(chain.followRadio("21 Mhz", "SSB"));
  d().EntryEditing = false;
  EXPECT_TRUE(chain.followRadio("21 Mhz", "SSB"));
  EXPECT_EQ(d().EntryBand, "21 Mhz");
  EXPECT_EQ(focused(), m().Indicatif_A);
  EXPECT_TRUE(dialogs.shown().empty());
}

// The band and mode are kept in one write of the settings; a full disk is
// said once, and the entry still follows the radio.
TEST_F(EntryFollowsRadioTest, SettingsThatCannotBeWrittenAreSaidOnce) {
  start();
  const std::string before = readBytes(store.fileOf("ZIV"));
  FaultHookGuard full([](TextFile::testing::Step step, const fs::path& file) {
    return step == TextFile::testing::Step::Write && file.filename() == "ZIV.ini.tmp" ? std::optional<int>(ENOSPC)
                                                                                      : std::nullopt;
  });
  dialogs.expectMessage(QString::fromUtf8("Erreur N° 61 : les réglages n'ont pas pu être enregistrés dans ZIV.ini."));
  EXPECT_TRUE(program->entryChain().followRadio("21 Mhz", "CW"));
  dialogs.verifyAllConsumed();
  EXPECT_EQ(text(m().Bande_A), "21 Mhz");
  EXPECT_EQ(text(m().Mode_A), "CW");
  EXPECT_EQ(readBytes(store.fileOf("ZIV")), before);
}

}  // namespace
}  // namespace brivant::testing
