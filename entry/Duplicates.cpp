#include "entry/Duplicates.h"

#include "core/QsoRecord.h"
#include "entry/LineScan.h"

namespace brivant {

namespace {

using DuplicateColumns::Cut;

// A field of the record of a list line.
std::string_view cut(std::string_view record, Cut where) { return trimmedField(record, where.column, where.length); }

std::string_view referenceForScan(std::string_view record) {
  const std::string_view reference = cut(record, DuplicateColumns::Reference);
  if (reference.starts_with("DFCF")) return cut(record, DuplicateColumns::DfcfNumber);
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
  const std::string_view record = recordOfListLine(listLine);
  LoggedContact logged;
  logged.row = row;
  logged.date = cut(record, DuplicateColumns::Date);
  logged.callsign = cut(record, DuplicateColumns::Callsign);
  logged.start = cut(record, DuplicateColumns::Start);
  logged.band = cut(record, DuplicateColumns::Band);
  logged.mode = cut(record, DuplicateColumns::Mode);
  logged.reference = cut(record, DuplicateColumns::Reference);
  logged.castleName = cut(record, DuplicateColumns::CastleName);
  return logged;
}

std::optional<LoggedContact> findCallsignDuplicate(const std::vector<std::string>& listLines, std::string_view callsign,
                                                   std::string_view reference, std::string_view band,
                                                   std::string_view mode) {
  for (std::size_t row = 0; row < listLines.size(); ++row) {
    const std::string_view record = recordOfListLine(listLines[row]);
    if (cut(record, DuplicateColumns::Callsign) == callsign && cut(record, DuplicateColumns::Reference) == reference &&
        cut(record, DuplicateColumns::Band) == band && cut(record, DuplicateColumns::Mode) == mode)
      return loggedContactOf(listLines[row], row);
  }
  return std::nullopt;
}

std::optional<LoggedContact> findReferenceDuplicate(const std::vector<std::string>& listLines,
                                                    std::string_view reference, std::string_view band,
                                                    std::string_view mode) {
  if (reference.empty()) return std::nullopt;
  for (std::size_t row = 0; row < listLines.size(); ++row) {
    const std::string_view record = recordOfListLine(listLines[row]);
    if (referenceForScan(record) == reference && cut(record, DuplicateColumns::Band) == band &&
        cut(record, DuplicateColumns::Mode) == mode)
      return loggedContactOf(listLines[row], row);
  }
  return std::nullopt;
}

DuplicateIndex::DuplicateIndex(const std::vector<std::string>& listLines) {
  for (const std::string& line : listLines) add(line);
}

void DuplicateIndex::add(std::string listLine) {
  const std::size_t row = lines_.size();
  const std::string_view record = recordOfListLine(lines_.emplace_back(std::move(listLine)));
  const std::string_view band = cut(record, DuplicateColumns::Band);
  const std::string_view mode = cut(record, DuplicateColumns::Mode);
  byCallsign_.try_emplace(
      callsignKey(cut(record, DuplicateColumns::Callsign), cut(record, DuplicateColumns::Reference), band, mode), row);
  byReference_.try_emplace(referenceKey(referenceForScan(record), band, mode), row);
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
