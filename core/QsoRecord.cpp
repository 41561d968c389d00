#include "core/QsoRecord.h"

#include <array>
#include <charconv>

#include "core/Bands.h"
#include "core/Text.h"

namespace brivant {

namespace {

using namespace QsoLayout;

// The fields in line order; each starts where the previous one and its
// separator end, and the end mark closes the line.
constexpr std::array<QsoField, 18> FieldOrder{
    Date,        Callsign, StartTime, EndTime, Departement, Locator,  QsoLayout::Band, QsoLayout::Mode, RstSent,
    RstReceived, Qth,      FirstName, Points,  Marker,      Distance, Azimuth,         Activity,        CastleName};

constexpr bool fieldsChain() {
  std::size_t column = 1;
  for (const QsoField& field : FieldOrder) {
    if (field.column != column) return false;
    column += field.width + field.separator;
  }
  return column == EndMark.column && EndMark.column + EndMark.width - 1 == RecordLength;
}
static_assert(fieldsChain(), "the record columns must follow one another up to column 199");

bool fits(std::string_view text, const QsoField& field) {
  return text.size() <= field.width && text.find_first_of("\r\n") == std::string_view::npos;
}

}  // namespace

bool isHfBand(std::string_view band) {
  const brivant::Band* known = bandOfLabel(band);
  return known != nullptr && isHf(*known);
}

bool takesDfcfPrefix(std::string_view activityText, std::string_view storedPrefix) {
  return activityText == CastleActivityLabel && (storedPrefix == "F" || storedPrefix == "TM" || storedPrefix == "TO");
}

std::optional<std::string> buildQsoRecord(const QsoFields& fields) {
  const std::string qth = fields.dfcfReference ? "DFCF " + fields.qth : fields.qth;
  const std::string_view locator = isHfBand(fields.band) ? std::string_view() : std::string_view(fields.locator);
  const std::array<std::string_view, 18> texts{fields.date,
                                               fields.callsign,
                                               fields.start,
                                               fields.end,
                                               fields.departement,
                                               locator,
                                               fields.band,
                                               fields.mode,
                                               fields.rstSent,
                                               fields.rstReceived,
                                               qth,
                                               fields.firstName,
                                               fields.points,
                                               fields.marker,
                                               fields.distance,
                                               fields.azimuth,
                                               fields.activity,
                                               fields.castleName};

  std::string line;
  line.reserve(RecordLength);
  for (std::size_t i = 0; i < FieldOrder.size(); ++i) {
    const QsoField& field = FieldOrder[i];
    if (!fits(texts[i], field)) return std::nullopt;
    line += texts[i];
    line.append(field.width - texts[i].size() + field.separator, ' ');
  }
  line += '*';
  return line;
}

std::string QsoListLine(long long number, std::string_view record) {
  std::string line = rightAligned(number, NumberWidth);
  line += ' ';
  line += record;
  return line;
}

std::string_view recordOfListLine(std::string_view listLine) {
  return listLine.size() > ListOffset ? listLine.substr(ListOffset) : std::string_view();
}

long long numberOfListLine(std::string_view listLine) {
  const std::string digits = cutTrimmed(listLine, 1, NumberWidth);
  long long number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size()) return 0;
  return number;
}

std::string recordField(std::string_view record, QsoField field) {
  return cutColumns(record, field.column, field.width);
}

std::string recordFieldTrimmed(std::string_view record, QsoField field) {
  return cutTrimmed(record, field.column, field.width);
}

std::string listField(std::string_view listLine, QsoField field) {
  return cutColumns(listLine, field.column + ListOffset, field.width);
}

std::string listFieldTrimmed(std::string_view listLine, QsoField field) {
  return cutTrimmed(listLine, field.column + ListOffset, field.width);
}

}  // namespace brivant
