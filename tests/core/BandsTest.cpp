#include "core/Bands.h"

#include <gtest/gtest.h>

#include <vector>

namespace brivant {
namespace {

// A spot or a radio's frequency must fall in one band at most, and the table
// keeps the tally column order, which is ascending frequency.
TEST(Bands, RangesAscendWithoutOverlap) {
  for (std::size_t i = 0; i < Bands.size(); ++i) {
    EXPECT_LT(Bands[i].lowKhz, Bands[i].highKhz) << Bands[i].label;
    if (i > 0) {
      EXPECT_LT(Bands[i - 1].highKhz, Bands[i].lowKhz) << Bands[i].label;
    }
  }
}

TEST(Bands, FrequenciesFindTheirBand) {
  const std::pair<long long, const char*> cases[] = {
      {1'830, "1.8 Mhz"},     {3'700, "3.5 Mhz"}, {7'000, "7.0 Mhz"},   {14'025, "14 Mhz"},
      {28'500, "28 Mhz"},     {29'700, "28 Mhz"}, {144'300, "144 Mhz"}, {432'200, "432 Mhz"},
      {10'368'000, "10 Ghz"}, {5'000, nullptr},   {29'701, nullptr},    {0, nullptr},
  };
  for (const auto& [khz, label] : cases) {
    const Band* band = bandOfFrequency(khz);
    EXPECT_EQ(band == nullptr ? std::string_view("none") : band->label, label == nullptr ? "none" : label) << khz;
  }
}

// The entry lists what it accepts, "1.8 Mhz" apart, and only scoring bands
// are offered.
TEST(Bands, EntryOffersTheScoringBandsAndAcceptsThemWith160m) {
  EXPECT_EQ(EntryBandLabels, ScoreBandLabels);
  for (const Band& band : Bands) {
    EXPECT_TRUE(band.acceptedInEntry || !band.offeredInEntry) << band.label;
    EXPECT_EQ(band.acceptedInEntry, band.offeredInEntry || band.label == "1.8 Mhz") << band.label;
  }
}

// The lists the program derives from the table, as the entry, the score, the
// record and the ADIF export use them.
TEST(Bands, DerivedLists) {
  using Labels = std::vector<std::string_view>;
  EXPECT_EQ(Labels(AcceptedBandLabels.begin(), AcceptedBandLabels.end()),
            (Labels{"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "14 Mhz", "21 Mhz", "28 Mhz"}));
  EXPECT_EQ(Labels(ScoreBandLabels.begin(), ScoreBandLabels.end()),
            (Labels{"3.5 Mhz", "7.0 Mhz", "14 Mhz", "21 Mhz", "28 Mhz"}));
  EXPECT_EQ(std::vector<int>(ScoreBandWeights.begin(), ScoreBandWeights.end()), (std::vector<int>{1, 1, 3, 4, 5}));
  EXPECT_EQ(Labels(ModeLabels.begin(), ModeLabels.end()), (Labels{"SSB", "CW"}));
  EXPECT_EQ(Labels(Activities.begin(), Activities.end()), (Labels{"QSO", "CHATEAU"}));

  Labels hf;
  Labels adif;
  for (const Band& band : Bands) {
    if (isHf(band)) hf.push_back(band.label);
    adif.push_back(band.adifBand);
  }
  EXPECT_EQ(hf, (Labels{"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz", "18 Mhz", "21 Mhz", "24 Mhz", "28 Mhz"}));
  EXPECT_EQ(adif, (Labels{"160m", "80m", "40m", "30m", "20m", "17m", "15m", "12m", "10m", "6m", "2m", "70cm", "23cm",
                          "13cm", "6cm", "3cm", "1.25cm"}));
}

TEST(Bands, LookUpsByLabel) {
  const struct {
    std::string_view label;
    std::optional<std::size_t> index;
    std::optional<std::size_t> scoreIndex;
  } cases[] = {
      {"1.8 Mhz", 0, std::nullopt},
      {"3.5 Mhz", 1, 0},
      {"28 Mhz", 8, 4},
      {"24 Ghz", 16, std::nullopt},
      {"14 MHZ", std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(bandIndexOfLabel(c.label), c.index) << c.label;
    EXPECT_EQ(scoreBandIndex(c.label), c.scoreIndex) << c.label;
  }
  EXPECT_EQ(modeIndexOfLabel("CW"), 1u);
  EXPECT_EQ(modeIndexOfLabel("cw"), std::nullopt);
  EXPECT_EQ(modeOfLabel("SSB")->defaultReport, "59");
  EXPECT_EQ(bandOfLabel("144 Mhz")->scoredByDistance, true);
}

}  // namespace
}  // namespace brivant
