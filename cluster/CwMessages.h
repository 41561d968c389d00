#pragma once
// The CW messages of the function keys: their settings, their defaults in
// both languages, the macros replaced when a key is pressed, the text as a
// keyer sends it and how long it takes at a speed.  Texts are Windows-1252
// bytes, as the entry's fields give them.

#include <QString>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/SettingsKeys.h"

namespace brivant {

namespace CwSettings {
// The eight messages, per station.
inline constexpr int MessageCount = 8;
inline constexpr std::array<Settings::Key, MessageCount> Messages{{
    {Settings::Section::Station, "Message CW F1", ""},
    {Settings::Section::Station, "Message CW F2", ""},
    {Settings::Section::Station, "Message CW F3", ""},
    {Settings::Section::Station, "Message CW F4", ""},
    {Settings::Section::Station, "Message CW F5", ""},
    {Settings::Section::Station, "Message CW F6", ""},
    {Settings::Section::Station, "Message CW F7", ""},
    {Settings::Section::Station, "Message CW F8", ""},
}};
// {RST} with 9 as N and 0 as T.
inline constexpr Settings::Key CutNumbers{Settings::Section::Station, "Chiffres Abreges", "False"};
// {MYDPT}: the station's departement.  {MYREF} is the activity number of the
// labels (Settings::Station::ActivityNumber, "N° Activite"), the reference of
// the castle the station activates.
inline constexpr Settings::Key StationDepartement{Settings::Section::Station, "Departement Station", ""};

// The keyer, common to every station: "0" none, "1" cwdaemon, "2" the radio
// through hamlib.
inline constexpr Settings::Key Keyer{Settings::Section::Common, "Manipulateur", "0"};
inline constexpr Settings::Key KeyerHost{Settings::Section::Common, "Manipulateur Hote", "localhost"};
inline constexpr Settings::Key KeyerPort{Settings::Section::Common, "Manipulateur Port", "6789"};
inline constexpr Settings::Key Speed{Settings::Section::Common, "Vitesse CW", "24"};
inline constexpr int DefaultKeyerPort = 6789;
}  // namespace CwSettings

enum class KeyerKind { None = 0, Cwdaemon = 1, Radio = 2 };
// The stored keyer; an unknown number is none.
KeyerKind keyerKindOf(int stored);

// Speeds in words per minute: cwdaemon keys from 5 to 60; PgUp and PgDn
// change it by 2.
inline constexpr int SlowestWpm = 5;
inline constexpr int FastestWpm = 60;
inline constexpr int DefaultWpm = 24;
inline constexpr int WpmStep = 2;
int boundedWpm(int wpm);

// A message as typed in the window holds at most this many characters; the
// text sent, macros replaced, at most MaxSentLength (one cwdaemon datagram).
inline constexpr int MessageLength = 100;
inline constexpr std::size_t MaxSentLength = 250;
// The castle reference and departement typed in the window.
inline constexpr int ReferenceLength = 15;
inline constexpr int DepartementLength = 3;

// The message of a key (1 to 8) when the station has none stored.
std::string defaultCwMessage(int key, bool french);
// The eight messages of the station, the defaults where none is stored.
std::array<std::string, CwSettings::MessageCount> storedCwMessages(const SettingsStore& store,
                                                                   std::string_view stationCall, bool french);

// What the macros stand for, as Windows-1252 bytes.
struct CwMacroValues {
  std::string myCall;  // {MYCALL}: the station's callsign, "_" shown as "/"
  std::string call;    // {CALL}: the callsign in the entry
  std::string rst;     // {RST}: the report sent, as typed
  std::string myRef;   // {MYREF}: the station's castle reference (may be empty)
  std::string myDpt;   // {MYDPT}: the station's departement
  std::string name;    // {NAME}: the first name in the entry
  bool cutNumbers = false;
};

// The values the station's settings give ({MYCALL}, {MYREF}, {MYDPT}, the
// cut numbers); the entry's are left empty.
CwMacroValues stationMacroValues(const SettingsStore& store, std::string_view stationCall);

struct CwText {
  std::string text;                  // what the keyer sends
  std::vector<std::string> unknown;  // macros it does not know, sent as written
  bool cut = false;                  // longer than MaxSentLength, cut there
};

// The message with its macros replaced (an unknown "{...}" stays as it is
// and is named), in capitals, in printable ASCII (accented letters as their
// plain letters), blanks collapsed and trimmed, at most MaxSentLength.
CwText expandCwMessage(std::string_view message, const CwMacroValues& values);

// 9 as N and 0 as T, as reports are keyed in contests.
std::string cutNumbers(std::string_view report);

// How long a keyer takes to send the text at wpm words per minute ("PARIS"
// timing: a dot is 1200 / wpm ms, a dash three dots, a dot between the
// elements of a character, three between characters and seven between
// words); characters without a Morse code take no time.
int morseDurationMs(std::string_view text, int wpm);

// A message as the window takes it: the first character that is not
// printable ASCII, or nothing.
std::optional<QChar> firstNonAscii(const QString& message);

// The texts of the keyer and of its window.
QString noKeyerNotice(bool french);
QString emptyMessageNotice(bool french, int key);
QString unknownMacroNotice(bool french, const std::vector<std::string>& macros);
QString cutMessageNotice(bool french);
QString speedText(int wpm);  // "24 wpm"
QString cwdaemonSilentNotice(bool french, const QString& address);
QString cwdaemonAddressQuestion(bool french);
QString badCwdaemonAddressMessage(bool french);
QString noHamlibRadioNotice(bool french);
QString silentRadioNotice(bool french);
QString radioHasNoKeyerNotice(bool french);
QString radioCannotStopNotice(bool french);
QString radioKeyerFailedNotice(bool french);
QString nonAsciiMessage(bool french, const QString& where, QChar character);

}  // namespace brivant
