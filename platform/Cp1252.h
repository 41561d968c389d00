#pragma once
// Windows-1252 <-> UTF-8 and QString: every data file is single-byte 1252 text.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace brivant::Cp1252 {

// The five bytes that 1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map
// to the C1 control characters of the same value, so every byte round-trips.

// 1252 bytes -> UTF-8 / QString (never fails).
std::string toUtf8(std::string_view bytes);
QString toQString(std::string_view bytes);

// UTF-8 / QString -> 1252 bytes.  A character 1252 cannot hold makes ok false
// (when given) and is replaced by '?'.
std::string fromUtf8(std::string_view utf8, bool* ok = nullptr);
std::string fromQString(const QString& text, bool* ok = nullptr);

// UTF-8 / QString -> 1252 bytes for a free text: a character 1252 cannot hold
// becomes its nearest letters (an accent it has not dropped: ő -> o, Ł -> L;
// a Cyrillic or Greek letter in Latin letters: Иван -> Ivan; a compatibility
// form its plain form: ﬁ -> fi) or, when none is near, is left out.  changed
// tells whether any character was replaced or left out.
std::string fromQStringNearest(const QString& text, bool* changed = nullptr);

// QString -> 1252 bytes for a text that says what it holds: a character 1252
// cannot hold is written as its code in brackets, "[U+0414]".
std::string fromQStringNamingCodes(const QString& text);

// True when every character of the text has a 1252 byte.
bool canEncode(const QString& text);
bool canEncode(QChar c);

// The first character of the text that 1252 cannot hold (a surrogate pair
// whole); nothing when every character can be written.
std::optional<QString> firstUnencodable(const QString& text);

// 1252 upper-casing of every letter, accented ones included (à -> À, œ -> Œ,
// ÿ -> Ÿ), as first names, callsigns and locators are stored.
std::string upper(std::string_view bytes);

// 1252 upper-casing of a..z only (as the entry fields do).
char upperAscii(char c);
std::string upperAscii(std::string_view bytes);
inline std::string upperAscii(const char* bytes) { return upperAscii(std::string_view(bytes)); }
QString upperAscii(const QString& text);

// The two texts are equal once a..z are upper-cased ("14 MHZ" is "14 Mhz").
bool equalUpperAscii(std::string_view a, std::string_view b);

// The text in printable ASCII (32 to 126) for readers that take nothing else:
// accented letters become their plain letters (É -> E, ç -> c), ligatures and
// a few signs their usual spelling (œ -> oe, ß -> ss, € -> EUR, … -> ...),
// typographic quotes and dashes their ASCII forms, control bytes a blank;
// anything else '?'.
std::string toPlainAscii(std::string_view bytes);

}  // namespace brivant::Cp1252
