#include "entry/Duplicates.h"

#include "entry/LineScan.h"

namespace brivant {

namespace {

using DuplicateColumns::Cut;

std::string_view cut(std::string_view line, Cut where) { return trimmedField(line, where.column, where.length); }

std::string_view referenceForScan(std::string_view line) {
  const std::string_view reference = cut(line, DuplicateColumns::Reference);
  if (reference.starts_with("DFCF")) return cut(line, DuplicateColumns::DfcfNumber);
  return reference;
}

// The parts of a key, kept apart by a byte no field holds.
std::string keyOf(std::initializer_list<std::string_view> parts) {
  std::string key;
  for (std::string_view part : parts) {
    key += part;
    key += '\x1f';
  }
  return key;
}

std::string callsignKey(std::string_view callsign, std::string_view reference, std::string_view band,
                        std::string_view mode) {
  return keyOf({callsign, reference, band, mode});
}

std::string referenceKey(std::string_view reference, std::string_view band, std::string_view mode) {
  return keyOf({reference, band, mode});
}

}  // namespace

LoggedContact loggedContactOf(std::string_view listLine, std::size_t row) {
  LoggedContact logged;
  logged.row = row;
  logged.date = cut(listLine, DuplicateColumns::Date);
  logged.callsign = cut(listLine, DuplicateColumns::Callsign);
  logged.start = cut(listLine, DuplicateColumns::Start);
  logged.band = cut(listLine, DuplicateColumns::Band);
  logged.mode = cut(listLine, DuplicateColumns::Mode);
  logged.reference = cut(listLine, DuplicateColumns::Reference);
  logged.castleName = cut(listLine, DuplicateColumns::CastleName);
  return logged;
}

std::optional<LoggedContact> findCallsignDuplicate(const std::vector<std::string>& listLines, std::string_view callsign,
                                                   std::string_view reference, std::string_view band,
                                                   std::string_view mode) {
  for (std::size_t row = 0; row < listLines.size(); ++row) {
    const std::string_view line = listLines[row];
    if (cut(line, DuplicateColumns::Callsign) == callsign && cut(line, DuplicateColumns::Reference) == reference &&
        cut(line, DuplicateColumns::Band) == band && cut(line, DuplicateColumns::Mode) == mode)
      return loggedContactOf(line, row);
  }
  return std::nullopt;
}

std::optional<LoggedContact> findReferenceDuplicate(const std::vector<std::string>& listLines,
                                                    std::string_view reference, std::string_view band,
                                                    std::string_view mode) {
  if (reference.empty()) return std::nullopt;
  for (std::size_t row = 0; row < listLines.size(); ++row) {
    const std::string_view line = listLines[row];
    if (referenceForScan(line) == reference && cut(line, DuplicateColumns::Band) == band &&
        cut(line, DuplicateColumns::Mode) == mode)
      return loggedContactOf(line, row);
  }
  return std::nullopt;
}

DuplicateIndex::DuplicateIndex(const std::vector<std::string>& listLines) {
  for (const std::string& line : listLines) add(line);
}

void DuplicateIndex::add(std::string listLine) {
  const std::size_t row = lines_.size();
  const std::string_view line = lines_.emplace_back(std::move(listLine));
  const std::string_view band = cut(line, DuplicateColumns::Band);
  const std::string_view mode = cut(line, DuplicateColumns::Mode);
  byCallsign_.try_emplace(
      callsignKey(cut(line, DuplicateColumns::Callsign), cut(line, DuplicateColumns::Reference), band, mode), row);
  byReference_.try_emplace(referenceKey(referenceForScan(line), band, mode), row);
}

std::optional<LoggedContact> DuplicateIndex::contactAt(std::optional<std::size_t> row) const {
  if (!row) return std::nullopt;
  return loggedContactOf(lines_[*row], *row);
}

std::optional<LoggedContact> DuplicateIndex::callsignDuplicate(std::string_view callsign, std::string_view reference,
                                                               std::string_view band, std::string_view mode) const {
  const auto it = byCallsign_.find(callsignKey(callsign, reference, band, mode));
  return contactAt(it == byCallsign_.end() ? std::nullopt : std::optional<std::size_t>(it->second));
}

std::optional<LoggedContact> DuplicateIndex::referenceDuplicate(std::string_view reference, std::string_view band,
                                                                std::string_view mode) const {
  if (reference.empty()) return std::nullopt;
  const auto it = byReference_.find(referenceKey(reference, band, mode));
  return contactAt(it == byReference_.end() ? std::nullopt : std::optional<std::size_t>(it->second));
}

}  // namespace brivant
