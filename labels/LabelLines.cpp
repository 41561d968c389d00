#include "labels/LabelLines.h"

#include <array>

#include "core/QsoRecord.h"
#include "core/Station.h"
#include "core/Text.h"
#include "platform/Cp1252.h"

namespace brivant {

namespace {

std::string blanks(std::size_t count) { return std::string(count, ' '); }

std::string trimmed(std::string_view text) { return std::string(trimBlanks(text)); }

std::string withoutTrailingBlanks(std::string line) {
  line.erase(line.find_last_not_of(' ') + 1);
  return line;
}

// Line widths in characters: the first line at 15 points, the individual
// label's lines at 11 points and the castle label's at 10 points each span
// about one label's width.
constexpr std::size_t FirstLineWidth = 31;
constexpr std::size_t RightFirstLineWidth = 32;  // the individual label's right line 1
constexpr std::size_t IndividualWidth = 42;
constexpr std::size_t CastleWidth = 46;

}  // namespace

LabelContact labelContact(std::string_view listLine) {
  return {listField(listLine, QsoLayout::Date),        listFieldTrimmed(listLine, QsoLayout::Callsign),
          listField(listLine, QsoLayout::StartTime),   listFieldTrimmed(listLine, QsoLayout::Band),
          listFieldTrimmed(listLine, QsoLayout::Mode), listFieldTrimmed(listLine, QsoLayout::RstSent)};
}

std::string eventTitle(bool french) {
  return Cp1252::fromUtf8(french ? "Journée Nationale des Ruziduza" : "Ravuzore Ruruzav Evu");
}

std::string qslText(int option, bool french) {
  static constexpr std::array<const char*, 3> French{"Merci pour le QSO  Pse QSL", "Merci pour le QSO et pour la QSL",
                                                     "Merci pour le QSO pas de QSL"};
  static constexpr std::array<const char*, 3> English{"Tnx for the QSO  Pse QSL", "Tnx for the QSO and for your QSL",
                                                      "Tnx for the QSO no QSL"};
  const std::size_t index = option >= 1 && option <= 3 ? static_cast<std::size_t>(option - 1) : 0;
  return french ? French[index] : English[index];
}

std::string centredLine(std::size_t width, std::string_view before, std::string_view after, LabelSide side,
                        bool finalBlank) {
  const auto total = static_cast<long long>(before.size() + after.size());
  const auto room = static_cast<long long>(width) - total;
  long long sideBlanks = room / 2;
  // An even room takes one blank from each side into a double separator.
  std::size_t separatorBlanks = 1;
  if (room - 2 * sideBlanks == 0) {
    --sideBlanks;
    separatorBlanks = 2;
  }
  if (sideBlanks < 0) {
    sideBlanks = 0;
    separatorBlanks = 1;
  }
  const std::string margin = blanks(static_cast<std::size_t>(sideBlanks));
  std::string line = margin;
  line.append(before).append(separatorBlanks, ' ').append(after);
  if (side == LabelSide::Right) return withoutTrailingBlanks(std::move(line));
  line += margin;
  if (finalBlank) line += ' ';
  return line;
}

std::vector<LabelText> labelLines(LabelType type, int format, LabelSide side, const LabelContact& contact,
                                  const LabelTexts& texts, std::string_view qsl, bool french) {
  const bool left = side == LabelSide::Left;
  const std::string station = displayCallsign(trimBlanks(texts.stationCall));
  const std::string transceiver = trimmed(texts.transceiver);
  const std::string antenna = trimmed(texts.antenna);
  auto centred = [&](std::size_t width, const std::string& before, const std::string& after, bool finalBlank) {
    return LabelText{centredLine(width, before, after, side, finalBlank), width};
  };
  // The first line names both stations; the castle label's right line has
  // the left one's width.
  const std::size_t firstWidth = type == LabelType::Individual && !left ? RightFirstLineWidth : FirstLineWidth;
  std::vector<LabelText> lines;
  lines.push_back(
      centred(firstWidth, (french ? "De " : "From ") + station, (french ? "pour " : "to ") + contact.callsign, false));

  if (type == LabelType::Individual) {
    std::string dateLine = blanks(6) + "Date " + contact.date + "   Time " + contact.time + " UTC";
    if (left) dateLine += blanks(7);
    lines.push_back({dateLine, IndividualWidth});
    lines.push_back(centred(IndividualWidth, (french ? "Bande " : "Band ") + contact.band + " Mode " + contact.mode,
                            "RST " + contact.rst, true));
    lines.push_back(centred(IndividualWidth, "TX " + transceiver, "Ant " + antenna, true));
    lines.push_back(centred(IndividualWidth, eventTitle(french), "", false));
    lines.push_back(centred(IndividualWidth, std::string(qsl), "", false));
    return lines;
  }

  const std::string canton = trimmed(texts.cantonNumber);
  const std::string postCode = trimmed(texts.postCode);
  const std::string town = trimmed(texts.town);
  lines.push_back(centred(CastleWidth, trimmed(texts.activityNumber), trimmed(texts.activityName), true));
  if (format == 3) {
    // The DP 167 sheet has room for one line less: canton and town together.
    lines.push_back(centred(CastleWidth, "DDCF " + canton, "CP " + postCode + "  QTH " + town, true));
  } else {
    lines.push_back(centred(CastleWidth, "", "CP " + postCode + " QTH " + town, true));
    std::string cantonLine = blanks(16) + Cp1252::fromUtf8("Canton N° ") + canton;
    if (left) cantonLine += blanks(16);
    lines.push_back({cantonLine, CastleWidth});
  }
  lines.push_back(centred(CastleWidth, contact.date + " " + contact.time + " TU  QRG " + contact.band,
                          contact.mode + "  RST " + contact.rst, true));
  lines.push_back(centred(CastleWidth, "TX : " + transceiver, "Ant : " + antenna, true));
  lines.push_back(centred(CastleWidth, std::string(qsl), "", false));
  return lines;
}

std::vector<LabelPrintLine> labelPrintLines(LabelType type, int format, LabelSide side, const LabelContact& contact,
                                            const LabelTexts& texts, std::string_view qsl, bool french) {
  if (type == LabelType::None) return {};
  const std::vector<LabelText> lines = labelLines(type, format, side, contact, texts, qsl, french);
  // Each step is a size, a weight and a line number (0 for a blank line).
  struct Step {
    double points;
    bool bold;
    std::size_t line;
  };
  static const std::vector<Step> Individual{{15, true, 1},  {8, false, 0},  {11, false, 2}, {11, false, 3},
                                            {11, false, 4}, {11, false, 5}, {11, true, 6}};
  static const std::vector<Step> IndividualFormat3{{15, true, 1},  {11, false, 2}, {11, false, 3},
                                                   {11, false, 4}, {11, false, 5}, {11, true, 6}};
  static const std::vector<Step> Castle{{15, true, 1},  {10, true, 2},  {10, false, 3}, {10, false, 4},
                                        {10, false, 5}, {10, false, 6}, {10, false, 7}};
  // Format 3's castle label has six lines: its 4th to 6th are lines 5 to 7.
  static const std::vector<Step> CastleFormat3{{15, true, 1},  {10, true, 2}, {10, false, 3}, {2, false, 0},
                                               {10, false, 4}, {2, false, 0}, {10, false, 5}, {10, false, 6}};
  const bool format3 = format == 3;
  const std::vector<Step>& steps =
      type == LabelType::Individual ? (format3 ? IndividualFormat3 : Individual) : (format3 ? CastleFormat3 : Castle);
  std::vector<LabelPrintLine> printed;
  printed.reserve(steps.size());
  for (const Step& step : steps) {
    printed.push_back({step.points, step.bold, step.line == 0 ? LabelText{} : lines[step.line - 1]});
  }
  return printed;
}

std::vector<LabelRowLine> labelRow(LabelType type, int format, const LabelContact& left, const LabelContact* right,
                                   const LabelTexts& texts, std::string_view qsl, bool french) {
  const std::vector<LabelPrintLine> leftLines =
      labelPrintLines(type, format, LabelSide::Left, left, texts, qsl, french);
  std::vector<LabelPrintLine> rightLines;
  if (right != nullptr) rightLines = labelPrintLines(type, format, LabelSide::Right, *right, texts, qsl, french);
  std::vector<LabelRowLine> row;
  row.reserve(leftLines.size());
  for (std::size_t i = 0; i < leftLines.size(); ++i) {
    std::string text = leftLines[i].line.text;
    if (i < rightLines.size()) text += rightLines[i].line.text;
    row.push_back({leftLines[i].points, leftLines[i].bold, std::move(text)});
  }
  return row;
}

}  // namespace brivant
