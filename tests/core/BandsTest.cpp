#include "core/Bands.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace brivant
