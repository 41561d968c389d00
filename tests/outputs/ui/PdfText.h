#pragma once
// Reading printed output back: the text of a PDF as pdftotext lays it out.

#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
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
          .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
      pages.back().words.push_back({text, QRectF(QPointF(number(3), number(4)), QPointF(number(5), number(6)))});
    }
  }
  return pages;
}

}  // namespace brivant::testing
