#pragma once
// The text lines of a QSL label: the contact's fields cut from its list line,
// the centring rule of a label line, the lines of the individual and castle
// labels, and the sequence of sizes and weights a row of two labels is
// printed with.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace brivant {

// Type_Etiquette: no item checked, item 2 (station or listener), item 3
// (castle operator).
enum class LabelType { None, Individual, Castle };

// The label formats of F_Etiquette, items 1 to 5.
inline constexpr int FirstLabelFormat = 1;
inline constexpr int DirectQslFormat = 5;
inline constexpr int LabelFormatCount = 5;

// A label of the left column is followed by blanks up to its width; a label
// of the right column ends after its text.
enum class LabelSide { Left, Right };

// One contact's fields as the label prints them (Windows-1252 bytes).
struct LabelContact {
  std::string date;      // "dd/mm/yy", as logged
  std::string callsign;  // trimmed
  std::string time;      // start time "hh:mm", as logged
  std::string band;      // trimmed
  std::string mode;      // trimmed
  std::string rst;       // report sent, trimmed
};
LabelContact labelContact(std::string_view listLine);

// What the label window gives (Windows-1252 bytes, as typed: trimmed here).
struct LabelTexts {
  std::string stationCall;
  std::string transceiver;     // Rx_Tx
  std::string antenna;         // Antenne
  std::string activityNumber;  // Num_Activ
  std::string activityName;    // Nom_Activite
  std::string cantonNumber;    // Num_Canton
  std::string postCode;        // Num_CP
  std::string town;            // Nom_Commune
};

// EventTitle and the QSL texts of options 1 to 3 (Windows-1252 bytes).
std::string eventTitle(bool french);
std::string qslText(int option, bool french);

// The centring rule: b blanks, before, the separator, after, b blanks (left
// label only) and the final blank when asked (left label only).  b is half of
// what width leaves beside the text; when that leaves an even count, the
// separator takes two blanks and each side one less.  A text too long for the
// width gets no blanks around it and a one-blank separator.
std::string centredLine(std::size_t width, std::string_view before, std::string_view after, LabelSide side,
                        bool finalBlank);

// One line of a label and the width in characters it is centred on.
struct LabelText {
  std::string text;
  std::size_t width = 0;
};

// The label of one contact: 6 lines for the individual label, 7 for the castle
// label (6 on format 3, whose castle label has no canton line and another
// line 3).  qsl is the QSL text to print.
std::vector<LabelText> labelLines(LabelType type, int format, LabelSide side, const LabelContact& contact,
                                  const LabelTexts& texts, std::string_view qsl, bool french);

// A printed line of one label: its size and weight and its text; an empty
// text is a blank line at that size.
struct LabelPrintLine {
  double points = 0;
  bool bold = false;
  LabelText line;
};

// The print sequence of one contact's label.  Format 5 (a label per QSL card)
// prints as formats 1 and 2.
std::vector<LabelPrintLine> labelPrintLines(LabelType type, int format, LabelSide side, const LabelContact& contact,
                                            const LabelTexts& texts, std::string_view qsl, bool french);

// A printed line of a row of two labels: the left label's line followed by
// the right one's, as one line of text.
struct LabelRowLine {
  double points = 0;
  bool bold = false;
  std::string text;
};

// The row of the left contact's label beside the right one's; without a
// right contact the row holds the left label alone.
std::vector<LabelRowLine> labelRow(LabelType type, int format, const LabelContact& left, const LabelContact* right,
                                   const LabelTexts& texts, std::string_view qsl, bool french);

}  // namespace brivant
