#include "core/SettingsKeys.h"

#include <gtest/gtest.h>

#include "tests/support/TestFiles.h"

namespace brivant {
namespace {

TEST(SettingsKeys, SectionsAndDefaults) {
  testing::TempDir config;
  SettingsStore store(config.path());
  EXPECT_EQ(Settings::sectionName(Settings::Section::Common, "F6ABC"), "Setup ");
  EXPECT_EQ(Settings::sectionName(Settings::Section::Station, "F6ABC"), "Setup F6ABC");

  // Defaults when nothing is stored.
  EXPECT_EQ(Settings::getText(store, Settings::Common::StationCallsign, "F6ABC"), "FXXXX");
  EXPECT_EQ(Settings::getInt(store, Settings::Station::BandUsed, "F6ABC"), 1);
  EXPECT_EQ(Settings::getInt(store, Settings::Station::Category, "F6ABC"), 3);
  EXPECT_EQ(Settings::getInt(store, Settings::Station::VerticalCentring, "F6ABC"), 2);
  EXPECT_TRUE(Settings::getBool(store, Settings::Station::AutomaticDate, "F6ABC"));
  EXPECT_TRUE(Settings::getBool(store, Settings::Station::LabelLanguage, "F6ABC"));
  EXPECT_EQ(Settings::getText(store, Settings::Station::Language, "F6ABC"), "");

  // The two "Transceiver" keys live in different sections; the accented key is stored as UTF-8.
  ASSERT_TRUE(Settings::save(store, Settings::Common::TransceiverModel, "F6ABC", "1").ok());
  ASSERT_TRUE(Settings::save(store, Settings::Station::LabelTransceiver, "F6ABC", "FT-817").ok());
  ASSERT_TRUE(Settings::save(store, Settings::Station::ActivityNumber, "F6ABC", "59045").ok());
  EXPECT_EQ(store.get("ZIV", "Setup ", "Transceiver", ""), "1");
  EXPECT_EQ(store.get("ZIV", "Setup F6ABC", "Transceiver", ""), "FT-817");
  EXPECT_EQ(store.get("ZIV", "Setup F6ABC", "N\xC2\xB0 Activite", ""), "59045");

  // An empty value reads back empty, not as the default.
  ASSERT_TRUE(Settings::save(store, Settings::Station::Category, "F6ABC", "").ok());
  EXPECT_EQ(Settings::getText(store, Settings::Station::Category, "F6ABC"), "");
}

}  // namespace
}  // namespace brivant
