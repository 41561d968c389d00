#pragma once
// One contact as one fixed-width log line (QsoRecord, 199 characters), its
// list form (QsoListLine) and the column cuts every reader uses.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace brivant {

// Where a field sits in a QsoRecord: 1-based column, width, blanks after it.
struct QsoField {
  std::size_t column;
  std::size_t width;
  std::size_t separator;
};

namespace QsoLayout {
inline constexpr QsoField Date{1, 8, 2};
inline constexpr QsoField Callsign{11, 12, 0};  // a 12-character callsign touches StartTime
inline constexpr QsoField StartTime{23, 5, 2};
inline constexpr QsoField EndTime{30, 5, 2};
inline constexpr QsoField Departement{37, 3, 2};
inline constexpr QsoField Locator{42, 6, 2};
inline constexpr QsoField Band{50, 8, 2};
inline constexpr QsoField Mode{60, 7, 2};
inline constexpr QsoField RstSent{69, 8, 2};
inline constexpr QsoField RstReceived{79, 8, 2};
inline constexpr QsoField Qth{89, 20, 2};
inline constexpr QsoField FirstName{111, 15, 2};
inline constexpr QsoField Points{128, 5, 2};
inline constexpr QsoField Marker{135, 20, 0};
inline constexpr QsoField Distance{155, 5, 1};
inline constexpr QsoField Azimuth{161, 3, 1};
inline constexpr QsoField Activity{165, 2, 2};
inline constexpr QsoField CastleName{169, 30, 0};
inline constexpr QsoField EndMark{199, 1, 0};

inline constexpr std::size_t RecordLength = 199;
// A list line is the number in 5 columns, a blank, then the record: record
// column c is list column c + ListOffset up to contact 99,999.  A longer
// number is written whole and moves the record along (listRecordStart).
inline constexpr std::size_t NumberWidth = 5;
inline constexpr std::size_t ListOffset = 6;
inline constexpr std::size_t ListLineLength = ListOffset + RecordLength;
}  // namespace QsoLayout

// The marker of a contact just logged: level "1" then 19 blanks.
inline constexpr std::string_view NewContactMarker = "1                   ";

// One contact, field by field (Windows-1252 bytes): what the entry form
// holds, what a log line is built from, and what an edit reads back from one.
// The only type of a contact: the entry form's fields map onto it
// (EntryForm::fields), and the record's columns too (buildQsoRecord,
// contactOfRecord).
struct QsoFields {
  std::string date;         // Date_A, "dd/mm/yy"
  std::string callsign;     // Indicatif_A
  std::string start;        // Debut_A, "hh:mm"
  std::string end;          // Fin_A
  std::string departement;  // Depart_A
  std::string locator;      // Locator_A (dropped on the HF bands)
  std::string band;         // Bande_A
  std::string mode;         // Mode_A
  std::string rstSent;      // RSTE_A
  std::string rstReceived;  // RSTR_A
  std::string qth;          // QTH_A: the castle reference as typed, or as stored ("DFCF " included)
  std::string firstName;    // Prenom_A
  std::string points;       // QsoPoints
  std::string marker{NewContactMarker};
  std::string distance;    // Distance_A
  std::string azimuth;     // Azimut_A
  std::string activity;    // index of Activite_A: "0" QSO, "1" CHATEAU
  std::string castleName;  // Remarques_A
  // The reference is a French castle's: it is written "DFCF " + qth.  The save
  // pipeline sets it from takesDfcfPrefix; an edited contact's QTH_A already
  // holds the prefix, so an edit leaves it false.
  bool dfcfReference = false;
};

// The activity's index ("0" QSO, "1" CHATEAU) read as the log has always
// read it; 0 for an empty or unreadable text.
int activityIndexOf(const QsoFields& fields);

// The bands on which the locator is never kept.
bool isHfBand(std::string_view band);

// "DFCF " goes in front of the reference only for a CHATEAU contact whose
// stored prefix is exactly "F", "TM" or "TO".
bool takesDfcfPrefix(std::string_view activityText, std::string_view storedPrefix);

// Builds the 199-character line.  Returns nothing when a field (after the
// "DFCF " prefix) is longer than its width or holds CR or LF: the entry checks
// keep such texts out, and a writer never produces a line of another length.
std::optional<std::string> buildQsoRecord(const QsoFields& fields);

// The contact a record holds, every field cut from its columns and trimmed
// (the marker is kept whole); dfcfReference is false, the reference keeping
// its "DFCF " as stored.  A short line reads as blank-padded.
QsoFields contactOfRecord(std::string_view record);
QsoFields contactOfListLine(std::string_view listLine);

// The list form: the number right-aligned in 5 columns, a blank, the record.
std::string QsoListLine(long long number, std::string_view record);

// Where the record of a list line starts (0-based): after the number and the
// blank that follows it, whatever the number's width; ListOffset for a line
// that starts with no number.  Every reader of list lines finds the record
// through it.
std::size_t listRecordStart(std::string_view listLine);

// The record part of a list line (everything after the number and its blank).
std::string_view recordOfListLine(std::string_view listLine);

// The QSO number at the front of a list line; 0 when unreadable.
long long numberOfListLine(std::string_view listLine);
// The same number as the list line writes it (trimmed).
std::string listNumberText(std::string_view listLine);

// The front of a list line shown by a list of its own: its first width
// characters up to contact 99,999 (all of a shorter line); a longer number
// keeps the same record columns, so the front is as much longer.
std::string_view listLineFront(std::string_view listLine, std::size_t width);

// A field cut from a record or from a list line, exactly its width (a short
// line reads as blank-padded), untrimmed and trimmed.
std::string recordField(std::string_view record, QsoField field);
std::string recordFieldTrimmed(std::string_view record, QsoField field);
std::string listField(std::string_view listLine, QsoField field);
std::string listFieldTrimmed(std::string_view listLine, QsoField field);

}  // namespace brivant
