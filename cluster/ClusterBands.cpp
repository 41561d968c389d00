#include "cluster/ClusterBands.h"

namespace brivant {

namespace {

template <std::size_t N>
const ClusterBandEntry* entryAt(const std::array<ClusterBandEntry, N>& entries, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= N) return nullptr;
  return &entries[static_cast<std::size_t>(index)];
}

}  // namespace

const ClusterBandEntry* firstBandEntry(int index) { return entryAt(FirstBandEntries, index); }
const ClusterBandEntry* secondBandEntry(int index) { return entryAt(SecondBandEntries, index); }

std::string spotPageAddress(std::string_view host, const ClusterBandEntry& entry) {
  if (entry.pageName.empty()) return {};
  const bool wholeRange = entry.pageName == "HF" || entry.pageName == "VHF";
  std::string address = "http://";
  address += host;
  address += "/dxc/top_50_";
  address += entry.pageName;
  address += wholeRange ? ".html" : "_MHz.html";
  return address;
}

}  // namespace brivant
