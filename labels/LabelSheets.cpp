#include "labels/LabelSheets.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "core/Text.h"

namespace brivant {

namespace {

constexpr double MillimetresPerPoint = 25.4 / 72;
// Courier New's line (ascent and descent) and character advance, in ems.
constexpr double LineHeight = 2320.0 / 2048;
constexpr double CharacterAdvance = 1229.0 / 2048;
// Text keeps this far from a label's edges.
constexpr double InnerMargin = 0.5;
constexpr double HalfLinePoints = 5;

// The published layouts: the labels of each A4 sheet centred on it, with a
// 2.5 mm gap between the two columns of the 99.1 mm wide labels and none
// between rows; the DP 167 labels cover the sheet's whole width.  Format 5 is
// a QSL card, printed on as one label.
constexpr std::array<SheetGeometry, LabelFormatCount> Geometries{{
    {210, 297, 99.1, 33.9, 2, 8, 12.9, 4.65, 101.6, 33.9, true},   // Avery L7162
    {210, 297, 99.1, 34, 2, 8, 12.5, 4.65, 101.6, 34, true},       // Decadry OLW 4732
    {210, 297, 105, 37, 2, 8, 0.5, 0, 105, 37, false},             // Avery DP 167
    {210, 297, 99.1, 38.1, 2, 7, 15.15, 4.65, 101.6, 38.1, true},  // Avery L7163
    {140, 90, 140, 90, 1, 1, 0, 0, 140, 90, false},                // QSL card
}};

double lineHeight(double points) { return points * LineHeight * MillimetresPerPoint; }

// Places one line of a label: the visible text where the centring blanks put
// it, kept inside the label, smaller when it is wider than the label.
void placeLine(const LabelRectangle& label, double y, const LabelPrintLine& line, std::vector<PlacedText>& texts) {
  const std::string& text = line.line.text;
  const std::size_t lead = text.find_first_not_of(' ');
  if (lead == std::string::npos) return;
  std::string visible(trimBlanks(text));
  double points = line.points;
  double advance = points * CharacterAdvance * MillimetresPerPoint;
  const auto width = static_cast<double>(line.line.width);
  double x = label.left + (label.width - width * advance) / 2 + static_cast<double>(lead) * advance;
  double textWidth = static_cast<double>(visible.size()) * advance;
  const double innerLeft = label.left + InnerMargin;
  const double innerWidth = label.width - 2 * InnerMargin;
  if (textWidth > innerWidth) {
    points *= innerWidth / textWidth;
    textWidth = innerWidth;
    x = innerLeft;
  } else {
    x = std::clamp(x, innerLeft, innerLeft + innerWidth - textWidth);
  }
  texts.push_back({x, y, points, line.bold, std::move(visible)});
}

// Stacks a label's lines and places them: the block centred in the label,
// moved by offset.
void placeLabel(const LabelRectangle& label, const std::vector<LabelPrintLine>& lines, double room, double offset,
                std::vector<PlacedText>& texts) {
  if (lines.empty()) return;
  std::vector<double> pitches;
  pitches.reserve(lines.size());
  for (const LabelPrintLine& line : lines) pitches.push_back(lineHeight(line.points));
  const double last = pitches.back();
  const double above = std::accumulate(pitches.begin(), pitches.end() - 1, 0.0);
  // Closer lines where the label is short: the last line's box stays whole.
  const double squeeze = above > 0 ? std::min(1.0, (room - last) / above) : 1.0;
  const double block = above * squeeze + last;
  double y = label.top + (label.height - block) / 2 + offset;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    placeLine(label, y, lines[i], texts);
    y += pitches[i] * squeeze;
  }
}

}  // namespace

const SheetGeometry& sheetGeometry(int format) {
  const int item = format >= FirstLabelFormat && format <= LabelFormatCount ? format : 2;
  return Geometries[static_cast<std::size_t>(item - 1)];
}

LabelRectangle labelRectangle(const SheetGeometry& sheet, int position) {
  const int row = position / sheet.columns;
  const int column = position % sheet.columns;
  return {sheet.leftMargin + column * sheet.columnPitch, sheet.topMargin + row * sheet.rowPitch, sheet.labelWidth,
          sheet.labelHeight};
}

double verticalOffsetMillimetres(int ctVIndex) {
  const int index = ctVIndex >= 0 && ctVIndex < VerticalOffsetCount ? ctVIndex : NoVerticalOffset;
  return (index - NoVerticalOffset) * HalfLinePoints * MillimetresPerPoint;
}

std::vector<PrintedSheet> labelSheets(const std::vector<std::string>& listLines, const LabelJob& job) {
  if (job.type == LabelType::None || listLines.empty()) return {};
  const SheetGeometry& sheet = sheetGeometry(job.format);
  const int perSheet = sheet.labelsPerSheet();
  const int first = std::clamp(job.startLabel, 1, perSheet) - 1;
  const double widestOffset = verticalOffsetMillimetres(VerticalOffsetCount - 1);
  const double room = sheet.labelHeight - 2 * InnerMargin - (sheet.verticalOffset ? 2 * widestOffset : 0);
  const double offset = sheet.verticalOffset ? verticalOffsetMillimetres(job.verticalOffset) : 0;
  const std::string qsl = qslText(job.qslOption, job.french);

  std::vector<PrintedSheet> sheets;
  for (std::size_t k = 0; k < listLines.size(); ++k) {
    const int label = first + static_cast<int>(k);
    const int position = label % perSheet;
    if (sheets.empty() || position == 0) sheets.emplace_back();
    const LabelSide side = position % sheet.columns == 0 ? LabelSide::Left : LabelSide::Right;
    const std::vector<LabelPrintLine> lines =
        labelPrintLines(job.type, job.format, side, labelContact(listLines[k]), job.texts, qsl, job.french);
    placeLabel(labelRectangle(sheet, position), lines, room, offset, sheets.back().texts);
    ++sheets.back().labels;
  }
  return sheets;
}

}  // namespace brivant
