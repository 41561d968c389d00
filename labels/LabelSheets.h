#pragma once
// Where labels land on paper: the geometry of each label format and the
// placement of every label's lines on its sheet, sheet after sheet.

#include <cstddef>
#include <string>
#include <vector>

#include "labels/LabelLines.h"

namespace brivant {

// One format's paper and labels, in millimetres from the paper's top-left
// corner.
struct SheetGeometry {
  double paperWidth = 0;
  double paperHeight = 0;
  double labelWidth = 0;
  double labelHeight = 0;
  int columns = 0;
  int rows = 0;
  double topMargin = 0;         // paper edge to the first row of labels
  double leftMargin = 0;        // paper edge to the first column
  double columnPitch = 0;       // left edge of a label to the next one's
  double rowPitch = 0;          // top edge of a row to the next one's
  bool verticalOffset = false;  // Ct_V moves the sheet's labels

  int labelsPerSheet() const { return columns * rows; }
};

// The geometry of F_Etiquette's item 1 to 5 (item 2 for any other number).
const SheetGeometry& sheetGeometry(int format);

// A label's rectangle on its sheet, position 0 being the top-left label and
// counting along each row.
struct LabelRectangle {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};
LabelRectangle labelRectangle(const SheetGeometry& sheet, int position);

// The Ct_V list: "-1", "-0,5", "0", "+0,5", "+1" (index 0 to 4).  Each step is
// half a line: 5 points.
inline constexpr int VerticalOffsetCount = 5;
inline constexpr int NoVerticalOffset = 2;
double verticalOffsetMillimetres(int ctVIndex);

// What a label job prints besides the contacts.
struct LabelJob {
  LabelType type = LabelType::None;
  int format = 2;
  int qslOption = 1;                      // QSL item 1 to 3
  int verticalOffset = NoVerticalOffset;  // Ct_V index
  int startLabel = 1;                     // the first sheet's first label, 1 to its labels
  bool french = true;
  LabelTexts texts;
};

// A text placed on a sheet: its line box's top-left corner in millimetres
// from the paper's corner, its size and weight, Windows-1252 bytes.
struct PlacedText {
  double x = 0;
  double y = 0;
  double points = 0;
  bool bold = false;
  std::string text;
};

// One sheet (one QSL card on format 5) and what goes on it.
struct PrintedSheet {
  std::vector<PlacedText> texts;
  int labels = 0;  // the contacts it carries
};

// The sheets of a job for the selected list lines: contact k on label
// startLabel + k, counting along the rows and on from sheet to sheet; an odd
// last contact leaves its right-hand neighbour empty.  Each label's lines
// are the print sequence of its type, stacked at Courier's line height
// (closer together where a label is too short for them with the whole Ct_V
// range), the block centred in the label at Ct_V "0" and every line centred
// across the label; a line too wide for the label is printed smaller.  No
// sheet without a label type.
std::vector<PrintedSheet> labelSheets(const std::vector<std::string>& listLines, const LabelJob& job);

}  // namespace brivant
