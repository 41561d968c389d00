#pragma once
// Reading printed output back: the text of a PDF as pdftotext lays it out.

#include <QRectF>
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

// What pdftotext writes for the file with the given options; nothing when
// the file cannot be read.
inline std::optional<QString> pdfToText(const char* options, const std::filesystem::path& pdf) {
  const std::string command = std::string("pdftotext ") + options + " -enc UTF-8 '" + pdf.string() + "' - 2>/dev/null";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return std::nullopt;
  std::string text;
  char buffer[4096];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, got);
  if (::pclose(pipe) != 0) return std::nullopt;
  return QString::fromUtf8(text);
}

// The text of every page, pages separated by form feeds; nothing when the
// file cannot be read.
inline std::optional<QString> pdfText(const std::filesystem::path& pdf) { return pdfToText("-layout", pdf); }

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

// A word of a printed page and the box pdftotext gives it, in millimetres
// from the paper's top-left corner.
struct PdfWord {
  QString text;
  QRectF box;
};
struct PdfPage {
  QSizeF size;  // millimetres
  std::vector<PdfWord> words;
};

// Every page with its words (pdftotext -bbox); nothing when the file cannot
// be read.
inline std::optional<std::vector<PdfPage>> pdfWords(const std::filesystem::path& pdf) {
  const std::optional<QString> html = pdfToText("-bbox", pdf);
  if (!html) return std::nullopt;
  constexpr double MillimetresPerPoint = 25.4 / 72;
  static const QRegularExpression Tag(QStringLiteral(
      R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
  std::vector<PdfPage> pages;
  for (const QRegularExpressionMatch& tag : Tag.globalMatch(*html)) {
    auto number = [&](int group) { return tag.captured(group).toDouble() * MillimetresPerPoint; };
    if (tag.capturedLength(1) > 0) {
      pages.push_back({QSizeF(number(1), number(2)), {}});
    } else if (!pages.empty()) {
      QString text = tag.captured(7);
      text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
          .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
          .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
          .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
          .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
      pages.back().words.push_back({text, QRectF(QPointF(number(3), number(4)), QPointF(number(5), number(6)))});
    }
  }
  return pages;
}

// The printed text rebuilt from where each word stands on the page: in a
// fixed-pitch font a word's left edge, in character widths from the leftmost
// word, is its column.  Lines are the words of one baseline, pages are
// separated by form feeds.  pdftotext -layout only approximates blanks, so it
// cannot tell a shifted column from its own rounding; the word boxes can.
inline std::optional<QString> pdfColumnText(const std::filesystem::path& pdf) {
  std::optional<std::vector<PdfPage>> pages = pdfWords(pdf);
  if (!pages) return std::nullopt;
  // One character's width (the median over the words) and the leftmost edge.
  std::vector<double> perCharacter;
  double left = 1e9;
  for (const PdfPage& page : *pages) {
    for (const PdfWord& word : page.words) {
      perCharacter.push_back(word.box.width() / static_cast<double>(word.text.size()));
      left = std::min(left, word.box.left());
    }
  }
  if (perCharacter.empty()) return QString();
  std::nth_element(perCharacter.begin(), perCharacter.begin() + perCharacter.size() / 2, perCharacter.end());
  const double width = perCharacter[perCharacter.size() / 2];

  QStringList pageTexts;
  for (PdfPage& page : *pages) {
    // pdftotext lists words in reading flow, which may go down a column
    // first: put them back in lines, top to bottom, left to right.
    std::sort(page.words.begin(), page.words.end(), [](const PdfWord& a, const PdfWord& b) {
      if (std::abs(a.box.top() - b.box.top()) > 0.2) return a.box.top() < b.box.top();
      return a.box.left() < b.box.left();
    });
    QStringList lines;
    QString line;
    const PdfWord* previous = nullptr;
    for (const PdfWord& word : page.words) {
      if (previous != nullptr && std::abs(word.box.top() - previous->box.top()) > 0.2) {
        lines.push_back(line);
        line.clear();
      }
      const auto column = static_cast<qsizetype>(std::lround((word.box.left() - left) / width));
      if (line.size() < column) line += QString(column - line.size(), u' ');
      line += word.text;
      previous = &word;
    }
    lines.push_back(line);
    pageTexts.push_back(lines.join(u'\n'));
  }
  return pageTexts.join(u'\f');
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
