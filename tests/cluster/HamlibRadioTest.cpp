// A radio through hamlib as the program sees it: the readout text, the band
// and mode the entry takes, the mode a spot tunes to, and the choice of
// "Autre (hamlib)…" kept in the settings.

#include <gtest/gtest.h>

#include "cluster/HamlibSettings.h"
#include "cluster/RadioReadback.h"
#include "cluster/YaesuCat.h"
#include "platform/SettingsStore.h"
#include "tests/support/TestFiles.h"

namespace brivant {
namespace {

TEST(RadioReadbackTest, TheReadoutText) {
  const struct {
    RigReading reading;
    const char* french;
    const char* english;
  } cases[] = {
      {{14'025'000, RigMode::Cw, "CW"}, "14 025,00 kHz CW", "14 025.00 kHz CW"},
      {{7'050'120, RigMode::Lsb, "LSB"}, "7 050,12 kHz LSB", "7 050.12 kHz LSB"},
      {{1'832'005, RigMode::Cw, "CWR"}, "1 832,01 kHz CW", "1 832.01 kHz CW"},
      {{145'000'000, RigMode::Other, "FM"}, "145 000,00 kHz FM", "145 000.00 kHz FM"},
      {{1'296'200'000, RigMode::Usb, "USB"}, "1 296 200,00 kHz USB", "1 296 200.00 kHz USB"},
      {{999'990, RigMode::Other, "AM"}, "999,99 kHz AM", "999.99 kHz AM"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(readbackText(true, c.reading), QString::fromUtf8(c.french));
    EXPECT_EQ(readbackText(false, c.reading), QString::fromUtf8(c.english));
  }
  EXPECT_EQ(silentRadioText(true), QStringLiteral("radio muette"));
  EXPECT_EQ(silentRadioText(false), QStringLiteral("radio not answering"));
}

TEST(RadioReadbackTest, TheEntryFollowsOnlyItsOwnBands) {
  const struct {
    long long hertz;
    RigMode mode;
    std::optional<EntryFollow> follow;
  } cases[] = {
      {14'025'000, RigMode::Cw, EntryFollow{"14 Mhz", "CW"}},
      {14'350'000, RigMode::Usb, EntryFollow{"14 Mhz", "SSB"}},
      {3'650'000, RigMode::Lsb, EntryFollow{"3.5 Mhz", "SSB"}},
      {7'000'000, RigMode::Other, EntryFollow{"7.0 Mhz", ""}},
      {1'840'000, RigMode::Cw, EntryFollow{"1.8 Mhz", "CW"}},  // typed in the entry, so accepted
      {28'500'000, RigMode::Usb, EntryFollow{"28 Mhz", "SSB"}},
      {10'120'000, RigMode::Cw, std::nullopt},  // a band the entry refuses
      {144'300'000, RigMode::Usb, std::nullopt},
      {14'351'000, RigMode::Usb, std::nullopt},  // just above the band
      {5'000'000, RigMode::Usb, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(entryFollowOf({c.hertz, c.mode, ""}), c.follow) << c.hertz;
}

TEST(RadioReadbackTest, TheModeASpotTunesTo) {
  EXPECT_EQ(rigModeOf("CW", 3'550'000), RigMode::Cw);
  EXPECT_EQ(rigModeOf("SSB", 7'150'000), RigMode::Lsb);
  EXPECT_EQ(rigModeOf("SSB", 9'999'990), RigMode::Lsb);
  EXPECT_EQ(rigModeOf("SSB", 10'000'000), RigMode::Usb);
  EXPECT_EQ(rigModeOf("", 14'250'000), RigMode::Usb);
  // The Yaesu radios take the same sideband.
  EXPECT_EQ(yaesuModeByte("SSB", 715'000), 0x00);
  EXPECT_EQ(yaesuModeByte("SSB", 1'000'000), 0x01);
  EXPECT_EQ(yaesuModeByte("CW", 715'000), 0x02);
}

TEST(HamlibSettingsTest, TheChoiceIsKeptInTheCommonSection) {
  testing::TempDir folder;
  SettingsStore store(folder.path());
  const HamlibChoice fresh = storedHamlibChoice(store);
  EXPECT_FALSE(fresh.rigctld);
  EXPECT_EQ(fresh.host, "localhost");
  EXPECT_EQ(fresh.tcpPort, 4532);
  EXPECT_EQ(fresh.model, 0);

  const HamlibChoice serial{false, 1001, "ttyUSB0", 9600, "localhost", 4532};
  ASSERT_TRUE(saveHamlibChoice(store, serial).ok());
  EXPECT_EQ(storedHamlibChoice(store), serial);
  EXPECT_EQ(store.get("ZIV", "Setup ", "Hamlib Modele", ""), "1001");
  EXPECT_EQ(store.get("ZIV", "Setup ", "Hamlib Liaison", ""), "Serie");
  EXPECT_EQ(store.get("ZIV", "Setup ", "Hamlib Port", ""), "ttyUSB0");
  EXPECT_EQ(store.get("ZIV", "Setup ", "Hamlib Vitesse", ""), "9600");
  const HamlibChoice network{true, 1001, "ttyUSB0", 9600, "shack.local", 4533};
  ASSERT_TRUE(saveHamlibChoice(store, network).ok());
  EXPECT_EQ(storedHamlibChoice(store), network);
  EXPECT_EQ(store.get("ZIV", "Setup ", "Hamlib Liaison", ""), "rigctld");
  // The Yaesu radios' settings are not touched.
  EXPECT_EQ(store.get("ZIV", "Setup ", "Port Com", "<absent>"), "<absent>");
  // Damaged numbers read as nothing chosen.
  ASSERT_TRUE(store.save("ZIV", "Setup ", "Hamlib Port Reseau", "45x").ok());
  EXPECT_EQ(storedHamlibChoice(store).tcpPort, 0);
}

TEST(HamlibSettingsTest, WhatAChoiceLacks) {
  const struct {
    HamlibChoice choice;
    const char* problem;
    std::optional<HamlibLink> link;
  } cases[] = {
      {{false, 1001, "ttyUSB0", 4800, "", 0}, "", HamlibLink{1001, "ttyUSB0", 4800}},
      {{false, 1001, " /dev/ttyS0 ", 0, "", 0}, "", HamlibLink{1001, "/dev/ttyS0", 0}},
      {{false, HamlibDummyModel, "", 0, "", 0}, "", HamlibLink{HamlibDummyModel, "", 0}},
      {{false, 0, "ttyUSB0", 0, "", 0}, "Choisissez le modèle de la radio", std::nullopt},
      {{false, 999'999, "ttyUSB0", 0, "", 0}, "Choisissez le modèle de la radio", std::nullopt},
      {{false, 1001, "  ", 0, "", 0}, "Choisissez le port série", std::nullopt},
      {{true, 0, "", 0, "localhost", 4532}, "", HamlibLink{HamlibNetworkModel, "localhost:4532", 0}},
      {{true, 0, "", 0, "10.0.0.2", 1}, "", HamlibLink{HamlibNetworkModel, "10.0.0.2:1", 0}},
      {{true, 0, "", 0, "", 4532}, "Indiquez l'hôte de rigctld (par exemple localhost)", std::nullopt},
      {{true, 0, "", 0, "my host", 4532}, "Indiquez l'hôte de rigctld (par exemple localhost)", std::nullopt},
      {{true, 0, "", 0, "localhost", 0}, "Le port de rigctld va de 1 à 65535", std::nullopt},
      {{true, 0, "", 0, "localhost", 65536}, "Le port de rigctld va de 1 à 65535", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(hamlibChoiceProblem(c.choice, true), QString::fromUtf8(c.problem)) << c.choice.port << c.choice.host;
    EXPECT_EQ(hamlibLinkOf(c.choice), c.link) << c.choice.port << c.choice.host;
  }
  EXPECT_EQ(hamlibChoiceProblem({}, false), QStringLiteral("Choose the model of the radio"));
}

TEST(HamlibSettingsTest, ModelsAreFoundByMakerAndName) {
  const HamlibModel* ft847 = hamlibModelOf(1001);
  ASSERT_NE(ft847, nullptr);
  EXPECT_EQ(hamlibModelLabel(*ft847), QStringLiteral("Yaesu FT-847 (1001)"));
  for (const char* search : {"", "yaesu", "847", "YAESU ft-847", "  ft-8  yae ", "1001"})
    EXPECT_TRUE(hamlibModelMatches(*ft847, QString::fromUtf8(search))) << search;
  for (const char* search : {"icom", "yaesu 897", "ft847"})
    EXPECT_FALSE(hamlibModelMatches(*ft847, QString::fromUtf8(search))) << search;
  EXPECT_EQ(hamlibTransceiverText(true), QString::fromUtf8("Autre (hamlib)…"));
  EXPECT_EQ(hamlibTransceiverText(false), QString::fromUtf8("Other (hamlib)…"));
}

}  // namespace
}  // namespace brivant
