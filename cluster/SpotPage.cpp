#include "cluster/SpotPage.h"

#include <array>
#include <optional>

#include "core/Text.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

namespace brivant {

namespace {

constexpr std::string_view TableStart = "<TABLE>";
constexpr std::string_view TableEnd = "</TABLE>";
constexpr int HeaderItems = 7;

// Reads a stored page as lines ending in CR LF, or as items ending in a
// comma or a line end.
class StoredReader {
 public:
  explicit StoredReader(std::string_view text) : text_(text) {}

  bool atEnd() const { return position_ >= text_.size(); }

  std::optional<std::string_view> line() {
    if (atEnd()) return std::nullopt;
    const std::size_t end = text_.find("\r\n", position_);
    const std::string_view result = text_.substr(position_, end - position_);
    position_ = end == std::string_view::npos ? text_.size() : end + 2;
    return result;
  }

  void skipItem() {
    const std::size_t end = text_.find_first_of(",\r", position_);
    if (end == std::string_view::npos)
      position_ = text_.size();
    else if (text_[end] == '\r' && text_.substr(end, 2) == "\r\n")
      position_ = end + 2;
    else
      position_ = end + 1;
  }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
};

// The text that starts `offset` characters after the 1-based position of
// `from` and is (position of `to`) - (position of `from`) - `shorter`
// characters long; nothing when a marker is missing or the length negative.
std::optional<std::string_view> between(std::string_view line, std::string_view from, std::size_t offset,
                                        std::string_view to, std::size_t shorter) {
  const std::size_t start = line.find(from);
  const std::size_t end = line.find(to);
  if (start == std::string_view::npos || end == std::string_view::npos || end < start + shorter) return std::nullopt;
  return midText(line, start + 1 + offset, end - start - shorter);
}

enum RowLine { DxLine, QrgLine, DateLine, SpotterLine, RemarksLine, IgnoredLine, RowLines };

std::optional<Spot> spotOfRow(const std::array<std::string_view, RowLines>& row) {
  const auto dx = between(row[DxLine], "_BLANK", 8, "</A>", 8);
  const auto qrg = between(row[QrgLine], "RIGHT", 7, "&NBSP", 8);
  const auto date = between(row[DateLine], "LEFT", 7, "&NBSP", 7);
  const auto spotter = between(row[SpotterLine], "_BLANK", 8, "</A>", 8);
  const auto remarks = between(row[RemarksLine], "LEFT", 7, "</TD>", 7);
  if (!dx || !qrg || !date || !spotter || !remarks) return std::nullopt;
  return fittedSpot(*date, *dx, *qrg, *spotter, decodeRemarks(*remarks));
}

}  // namespace

std::string storedPage(std::string_view page) {
  const std::string upper = Cp1252::upper(page);
  std::string stored;
  stored.reserve(upper.size() + upper.size() / 16 + 2);
  for (std::size_t i = 0; i < upper.size(); ++i) {
    const char c = upper[i];
    if (c == '\r') {
      // CR LF ends a line as a line feed does; a carriage return alone ends
      // the page.
      if (i + 1 < upper.size() && upper[i + 1] == '\n') continue;
      break;
    }
    if (c == '\n') stored += '\r';
    stored += c;
  }
  stored += "\r\n";
  return stored;
}

Status writePageCopy(const std::filesystem::path& programDir, std::string_view stored) {
  TextFile::Lines lines;
  StoredReader reader(stored);
  while (std::optional<std::string_view> line = reader.line()) lines.emplace_back(*line);
  return TextFile::writeLines(programDir / std::string(PageCopyFile), lines);
}

std::string decodeRemarks(std::string_view cell) {
  std::string text;
  text.reserve(cell.size());
  for (std::size_t i = 0; i < cell.size(); ++i) {
    if (cell[i] != '&') {
      text += cell[i];
      continue;
    }
    const std::string_view entity = cell.substr(i + 1, 2);
    text += entity == "LT" ? '<' : entity == "GT" ? '>' : '&';
    i += 3;
  }
  return text;
}

std::vector<Spot> parseSpotPage(std::string_view stored) {
  std::vector<Spot> spots;
  StoredReader reader(stored);
  while (true) {
    std::optional<std::string_view> line;
    while ((line = reader.line()) && *line != TableStart) {
    }
    if (!line) break;
    for (int i = 0; i < HeaderItems && !reader.atEnd(); ++i) reader.skipItem();

    bool tableEnded = false;
    while (!reader.atEnd() && !tableEnded) {
      std::array<std::string_view, RowLines> row{};
      int read = 0;
      while (read < RowLines && (line = reader.line())) {
        if (*line == TableEnd) {
          tableEnded = true;
          break;
        }
        row[static_cast<std::size_t>(read++)] = *line;
      }
      // A row cut short by the end of the table or of the page is dropped;
      // only the line after the remarks may be missing.
      if (read < IgnoredLine) continue;
      if (std::optional<Spot> spot = spotOfRow(row)) spots.push_back(std::move(*spot));
    }
    if (tableEnded) break;  // only the first complete table counts
  }
  return spots;
}

}  // namespace brivant
