#pragma once
// The two band lists of the cluster window, derived from the band table: the
// spot page of each entry and the frequency range its spots fall in.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/Bands.h"

namespace brivant {

struct ClusterBandEntry {
  std::string_view label;     // as listed: "All HF", "14 Mhz", "Sans"
  std::string_view pageName;  // band name in the page's address; empty: nothing to fetch
  long long lowKhz = 0;       // the spots of the entry, by frequency
  long long highKhz = 0;
};

namespace detail {

inline constexpr long long HfTopKhz = 30'000;

constexpr std::size_t bandsWithAPage() {
  std::size_t n = 0;
  for (const Band& band : Bands)
    if (!band.clusterPage.empty()) ++n;
  return n;
}

// The range of every band of the table on one side of 30 MHz.
constexpr ClusterBandEntry allBands(std::string_view label, std::string_view pageName, bool hf) {
  ClusterBandEntry entry{label, pageName, 0, 0};
  for (const Band& band : Bands) {
    if ((band.highKhz <= HfTopKhz) != hf) continue;
    if (entry.highKhz == 0 || band.lowKhz < entry.lowKhz) entry.lowKhz = band.lowKhz;
    if (band.highKhz > entry.highKhz) entry.highKhz = band.highKhz;
  }
  return entry;
}

// The first entry, every band that has a page, and the last entry when the
// list has room for it.
template <std::size_t N>
constexpr std::array<ClusterBandEntry, N> bandEntries(ClusterBandEntry first, ClusterBandEntry last) {
  std::array<ClusterBandEntry, N> entries{};
  std::size_t n = 0;
  entries[n++] = first;
  for (const Band& band : Bands)
    if (!band.clusterPage.empty()) entries[n++] = {band.label, band.clusterPage, band.lowKhz, band.highKhz};
  if (n < N) entries[n++] = last;
  return entries;
}

}  // namespace detail

// Bande_CL: "All HF", every band that has a spot page, "All VHF".
inline constexpr auto FirstBandEntries = detail::bandEntries<detail::bandsWithAPage() + 2>(
    detail::allBands("All HF", "HF", true), detail::allBands("All VHF", "VHF", false));
// Bande_CL2: "Sans" (no second band, never fetched), then the same bands.
inline constexpr auto SecondBandEntries = detail::bandEntries<detail::bandsWithAPage() + 1>({"Sans", "", 0, 0}, {});

// The entry at a list index, or nothing for an index outside the list.
const ClusterBandEntry* firstBandEntry(int index);
const ClusterBandEntry* secondBandEntry(int index);

// "http://" host "/dxc/top_50_" band name, then ".html" for the "HF" and
// "VHF" pages and "_MHz.html" for the others.  Empty for an entry without a
// page.
std::string spotPageAddress(std::string_view host, const ClusterBandEntry& entry);

// Whether a frequency in kHz belongs to an entry.
constexpr bool holdsFrequency(const ClusterBandEntry& entry, double khz) {
  return !entry.pageName.empty() && khz >= static_cast<double>(entry.lowKhz) &&
         khz <= static_cast<double>(entry.highKhz);
}

}  // namespace brivant
