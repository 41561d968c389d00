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

}  // namespace brivant
