#include "core/QsoRecord.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "core/Bands.h"
#include "core/Text.h"

namespace brivant {

namespace {

using namespace QsoLayout;

// Each field of a contact with its columns, in line order; each starts where
// the previous one and its separator end, and the end mark closes the line.
struct Column {
  QsoField field;
  std::string QsoFields::*text;
};
constexpr std::array<Column, 18> Columns{{
    {Date, &QsoFields::date},
    {Callsign, &QsoFields::callsign},
    {StartTime, &QsoFields::start},
    {EndTime, &QsoFields::end},
    {Departement, &QsoFields::departement},
    {Locator, &QsoFields::locator},
    {QsoLayout::Band, &QsoFields::band},
    {QsoLayout::Mode, &QsoFields::mode},
    {RstSent, &QsoFields::rstSent},
    {RstReceived, &QsoFields::rstReceived},
    {Qth, &QsoFields::qth},
    {FirstName, &QsoFields::firstName},
    {Points, &QsoFields::points},
    {Marker, &QsoFields::marker},
    {Distance, &QsoFields::distance},
    {Azimuth, &QsoFields::azimuth},
    {Activity, &QsoFields::activity},
    {CastleName, &QsoFields::castleName},
}};

constexpr bool fieldsChain() {
  std::size_t column = 1;
  for (const Column& each : Columns) {
    if (each.field.column != column) return false;
    column += each.field.width + each.field.separator;
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
  QsoFields written = fields;
  if (fields.dfcfReference) written.qth = "DFCF " + fields.qth;
  if (isHfBand(fields.band)) written.locator.clear();

  std::string line;
  line.reserve(RecordLength);
  for (const Column& each : Columns) {
    const std::string& text = written.*each.text;
    if (!fits(text, each.field)) return std::nullopt;
    line += text;
    line.append(each.field.width - text.size() + each.field.separator, ' ');
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

QsoFields contactOfRecord(std::string_view record) {
  QsoFields contact;
  for (const Column& each : Columns) contact.*each.text = recordFieldTrimmed(record, each.field);
  contact.marker = recordField(record, Marker);
  return contact;
}

QsoFields contactOfListLine(std::string_view listLine) { return contactOfRecord(recordOfListLine(listLine)); }

int activityIndexOf(const QsoFields& fields) { return static_cast<int>(basicValue(fields.activity)); }

std::size_t listRecordStart(std::string_view listLine) {
  std::size_t at = listLine.find_first_not_of(' ');
  if (at == std::string_view::npos || listLine[at] < '0' || listLine[at] > '9') return ListOffset;
  while (at < listLine.size() && listLine[at] >= '0' && listLine[at] <= '9') ++at;
  // Up to 99,999 the number and its blank fill the first ListOffset columns.
  return std::max(at + 1, ListOffset);
}

std::string_view recordOfListLine(std::string_view listLine) {
  const std::size_t start = listRecordStart(listLine);
  return listLine.size() > start ? listLine.substr(start) : std::string_view();
}

std::string listNumberText(std::string_view listLine) { return cutTrimmed(listLine, 1, listRecordStart(listLine) - 1); }

std::string_view listLineFront(std::string_view listLine, std::size_t width) {
  return leftText(listLine, width + listRecordStart(listLine) - ListOffset);
}

long long numberOfListLine(std::string_view listLine) {
  const std::string digits = listNumberText(listLine);
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
  return recordField(recordOfListLine(listLine), field);
}

std::string listFieldTrimmed(std::string_view listLine, QsoField field) {
  return recordFieldTrimmed(recordOfListLine(listLine), field);
}

}  // namespace brivant
