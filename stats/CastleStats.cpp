#include "stats/CastleStats.h"

#include <algorithm>

#include "core/Bands.h"
#include "core/LogFile.h"
#include "core/QsoRecord.h"
#include "core/Text.h"
#include "entry/LineScan.h"
#include "platform/TextFile.h"

namespace brivant {

namespace {

using namespace QsoLayout;

// The list shows the reference cut to 15 characters.
constexpr std::size_t ReferenceWidth = 15;
// The activity index of a castle contact as the log holds it.
constexpr char CastleActivityDigit = '0' + static_cast<char>(CastleActivity);

}  // namespace

std::string CastleStatLine(std::string_view record) {
  std::string line = "  ";
  line += cutColumns(record, Qth.column, ReferenceWidth);
  line += recordField(record, CastleName);
  line += cutColumns(record, Date.column, Date.width + Date.separator);
  line += recordField(record, Callsign);
  return line;
}

Result<std::vector<std::string>> castleStatLines(const std::filesystem::path& programDir, std::string_view call,
                                                 std::string_view band, std::string_view mode) {
  Result<std::string> bytes = TextFile::readAll(logFilePath(programDir, call));
  if (!bytes) return bytes.error();
  std::vector<std::string> lines;
  const std::string_view activity(&CastleActivityDigit, 1);
  scanLines(*bytes, [&](std::string_view record) {
    if (trimmedField(record, Activity.column, Activity.width) == activity &&
        trimmedField(record, QsoLayout::Band.column, QsoLayout::Band.width) == band &&
        trimmedField(record, QsoLayout::Mode.column, QsoLayout::Mode.width) == mode)
      lines.push_back(CastleStatLine(record));
    return true;
  });
  std::sort(lines.begin(), lines.end());
  return lines;
}

}  // namespace brivant
