#pragma once
// Reading printed output back: the text of a PDF as pdftotext lays it out.

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

}  // namespace brivant::testing
