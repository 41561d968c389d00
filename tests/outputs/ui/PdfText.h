#pragma once
// Reading printed output back: the text of a PDF as pdftotext lays it out.

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace brivant::testing {

inline bool havePdfToText() { return std::system("command -v pdftotext >/dev/null 2>&1") == 0; }

// The text of every page, pages separated by form feeds; nothing when the
// file cannot be read.
inline std::optional<QString> pdfText(const std::filesystem::path& pdf) {
  const std::string command = "pdftotext -layout -enc UTF-8 '" + pdf.string() + "' - 2>/dev/null";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return std::nullopt;
  std::string text;
  char buffer[4096];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, got);
  if (::pclose(pipe) != 0) return std::nullopt;
  return QString::fromUtf8(text);
}

// The lines that carry text, with their blanks collapsed: what can be
// compared between a printout and the lines sent to the printer.
inline QStringList textLines(const QString& text) {
  QStringList lines;
  for (const QString& line : text.split(QRegularExpression(QStringLiteral("[\\n\\f]")))) {
    const QString simplified = line.simplified();
    if (!simplified.isEmpty()) lines.push_back(simplified);
  }
  return lines;
}
inline QStringList textLines(const QStringList& printed) { return textLines(printed.join(u'\n')); }

// The printed text rebuilt from where each word stands on the page
// (pdftotext -bbox): in a fixed-pitch font a word's left edge, in character
// widths from the leftmost word, is its column.  Lines are the words of one
// baseline, pages are separated by form feeds.  pdftotext -layout only
// approximates blanks, so it cannot tell a shifted column from its own
// rounding; the boxes can.
inline std::optional<QString> pdfColumnText(const std::filesystem::path& pdf) {
  const std::string command = "pdftotext -bbox -enc UTF-8 '" + pdf.string() + "' - 2>/dev/null";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return std::nullopt;
  std::string html;
  char buffer[4096];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) html.append(buffer, got);
  if (::pclose(pipe) != 0) return std::nullopt;

  struct Word {
    int page;
    double x, y, width;
    QString text;
  };
  std::vector<Word> words;
  int page = -1;
  static const QRegularExpression tag(QStringLiteral(
      R"re(<page |<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="[0-9.]+">([^<]*)</word>)re"));
  for (auto it = tag.globalMatch(QString::fromUtf8(html)); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    if (match.captured(0) == QStringLiteral("<page ")) {
      ++page;
      continue;
    }
    QString text = match.captured(4);
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\"")).replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    const double x = match.captured(1).toDouble();
    words.push_back({page, x, match.captured(2).toDouble(), match.captured(3).toDouble() - x, text});
  }
  if (words.empty()) return QString();
  // pdftotext lists words in reading flow, which may go down a column first:
  // put them back in lines, top to bottom, left to right.
  std::sort(words.begin(), words.end(), [](const Word& a, const Word& b) {
    if (a.page != b.page) return a.page < b.page;
    if (std::abs(a.y - b.y) > 0.5) return a.y < b.y;
    return a.x < b.x;
  });
  // One character's width: the median over the words, per character.
  std::vector<double> perCharacter;
  double left = words.front().x;
  for (const Word& word : words) {
    perCharacter.push_back(word.width / static_cast<double>(word.text.size()));
    left = std::min(left, word.x);
  }
  std::nth_element(perCharacter.begin(), perCharacter.begin() + perCharacter.size() / 2, perCharacter.end());
  const double width = perCharacter[perCharacter.size() / 2];

  QString text;
  QString line;
  const Word* previous = nullptr;
  for (const Word& word : words) {
    if (previous != nullptr && (word.page != previous->page || std::abs(word.y - previous->y) > 0.5)) {
      text += line + (word.page != previous->page ? QStringLiteral("\f") : QStringLiteral("\n"));
      line.clear();
    }
    const auto column = static_cast<qsizetype>(std::lround((word.x - left) / width));
    if (line.size() < column) line += QString(column - line.size(), u' ');
    line += word.text;
    previous = &word;
  }
  return text + line;
}

// The lines that carry text with their blanks kept, trailing blanks dropped
// and the indentation they all share removed: how the columns stand, to
// compare the printout with the lines sent in a fixed-pitch font.
inline QStringList columnLines(const QString& text) {
  QStringList lines;
  qsizetype shared = -1;
  for (QString line : text.split(QRegularExpression(QStringLiteral("[\\n\\f]")))) {
    while (!line.isEmpty() && line.back().isSpace()) line.chop(1);
    if (line.isEmpty()) continue;
    qsizetype indent = 0;
    while (line[indent] == u' ') ++indent;
    shared = shared < 0 ? indent : std::min(shared, indent);
    lines.push_back(line);
  }
  for (QString& line : lines) line.remove(0, shared);
  return lines;
}
inline QStringList columnLines(const QStringList& printed) { return columnLines(printed.join(u'\n')); }

}  // namespace brivant::testing
