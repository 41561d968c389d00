#pragma once
// The checks the entry fields apply when Enter is pressed, and the texts they
// show: which message refuses a value, the composed announcements (contact
// already logged, new prefix, new departement), the captions the entry sets
// and the small conversions it makes (reports, points, Corsica).

#include <QChar>
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace brivant {

// The prefixes treated as France (compared exactly with EntryPrefix).
inline constexpr std::array<std::string_view, 10> FrenchPrefixes = {"F",  "TH", "TM", "TP", "TQ",
                                                                    "TV", "TW", "HW", "HX", "HY"};
bool isFrenchPrefix(std::string_view prefix);

// The field limits (bytes of Windows-1252 text, one per character).
namespace EntryLimits {
inline constexpr std::size_t Callsign = 12;
inline constexpr std::size_t Departement = 2;
inline constexpr std::size_t Report = 8;
inline constexpr std::size_t FirstName = 15;
inline constexpr std::size_t Reference = 15;
inline constexpr std::size_t FrenchReference = 5;
inline constexpr std::size_t CastleName = 30;
inline constexpr std::size_t Locator = 6;
}  // namespace EntryLimits

// The refusals of the entry fields.  LocatorLength is ours: an edited contact
// may be given a locator that the record has no room for; so is Unwritable,
// for a contact whose fields pass but make no log line.
enum class EntryMessage {
  None,
  B1,
  M1,
  I1,
  I2,
  D1,
  D2,
  A1,
  A2,
  R1,
  R2,
  S1,
  S2,
  P1,
  Q1,
  Q2,
  Q3,
  Q4,
  C1,
  LocatorLength,
  Unwritable,
};
// The text in the interface language; Q3 names the departement typed.
QString entryMessageText(EntryMessage message, bool french, std::string_view departement = {});

// Each field's check of its text (Windows-1252 bytes); None accepts it.
EntryMessage checkBand(std::string_view band);
EntryMessage checkMode(std::string_view mode);
EntryMessage checkCallsign(std::string_view callsign);
EntryMessage checkDepartement(std::string_view departement);
EntryMessage checkActivity(std::string_view activity, std::string_view entryPrefix);
EntryMessage checkRstReceived(std::string_view report);
EntryMessage checkRstSent(std::string_view report);
EntryMessage checkFirstName(std::string_view firstName);
// The reference of QTH_A: Q1 to Q3 only for a castle activation, then Q4.
EntryMessage checkReference(std::string_view reference, bool castle, std::string_view entryPrefix,
                            std::string_view departementText);
EntryMessage checkCastleName(std::string_view castleName);

// A contact of the list that a new one repeats (the columns the duplicate
// scans cut, trimmed).
struct LoggedContact {
  std::size_t row = 0;
  std::string date;
  std::string callsign;
  std::string start;
  std::string band;
  std::string mode;
  std::string reference;
  std::string castleName;
};

// I3: the callsign as typed, two blanks, the logged reference, then where and
// when it was logged.
QString callsignDuplicateMessage(bool french, std::string_view callsignText, const LoggedContact& logged);
// Q5: the logged reference, then where and when it was logged.
QString referenceDuplicateMessage(bool french, const LoggedContact& logged);
// Label5 over the callsign: "Contacté le " + date (both languages), "Nouvel
// indicatif" / "New callsign", and "Indicatif" at rest (both languages).
QString contactedOnCaption(std::string_view date);
QString newCallsignCaption(bool french);
QString callsignRestCaption();
// I4, the Yes/No question on a DXCC prefix new on this band and mode.
QString newPrefixQuestion(bool french, std::string_view prefix, std::string_view entityName);
// D3: the departement as the field shows it and its name.
QString newDepartementMessage(bool french, std::string_view shownDepartement, std::string_view name);
// Label38 over Remarques_A.
QString castleNameCaption(bool french, bool castle);

// A character Windows-1252 has no byte for (Cp1252::firstUnencodable): it is
// never written to a file.
QString unencodableCharacterMessage(bool french, const QString& character);

// The reports a mode starts with (core/Bands.h: "59" in SSB, "599" in CW),
// "599" for any other text.
std::string defaultReport(std::string_view mode);

// The points of a contact by band, its score weight (core/Bands.h: "1" on
// 3.5 and 7.0, "3" on 14, "4" on 21, "5" on 28 Mhz); nothing for a band that
// does not score.
std::optional<std::string> pointsOfBand(std::string_view band);

// Corsica.  The field shows "2a"/"2b" (typed capitals are lowered), EntryDept
// holds "96"/"97".
struct DepartementEntry {
  std::string field;      // what Depart_A shows
  std::string entryDept;  // EntryDept
};
DepartementEntry departementOfField(std::string_view text);
// The departement as the entry shows it: "96" is "2a", "97" is "2b".
std::string shownDepartement(std::string_view entryDept);

}  // namespace brivant
