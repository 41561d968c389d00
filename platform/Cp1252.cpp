#include "platform/Cp1252.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace brivant::Cp1252 {

namespace {

// Code points of the bytes 0x80..0x9F.  The five bytes that 1252 leaves
// undefined keep the C1 control of the same value so that they survive a round
// trip through text.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char32_t codePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHigh[byte - 0x80];
  return byte;
}

// The 1252 byte of a code point, or -1 when it has none.
int byteOf(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (std::size_t i = 0; i < kHigh.size(); ++i) {
    if (kHigh[i] == cp) return static_cast<int>(0x80 + i);
  }
  return -1;
}

// A character without a byte becomes '?' and is noted.
void appendByte(std::string& out, int byte, bool& allEncoded) {
  if (byte < 0) {
    allEncoded = false;
    out.push_back('?');
  } else {
    out.push_back(static_cast<char>(byte));
  }
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// Decodes one UTF-8 sequence starting at i; returns the code point and moves i
// past it.  A malformed sequence (overlong, surrogate, truncated, stray
// continuation byte) gives U+FFFD and consumes one byte.
char32_t decodeUtf8(std::string_view s, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  int extra = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, cp = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, cp = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, cp = lead & 0x07, minimum = 0x10000;
  } else {
    ++i;
    return 0xFFFD;
  }
  if (i + extra >= s.size()) {  // truncated at the end
    ++i;
    return 0xFFFD;
  }
  for (int k = 1; k <= extra; ++k) {
    const auto c = static_cast<unsigned char>(s[i + k]);
    if ((c & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    cp = (cp << 6) | (c & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++i;
    return 0xFFFD;
  }
  i += extra + 1;
  return cp;
}

bool encodable(QChar c) { return !c.isSurrogate() && byteOf(c.unicode()) >= 0; }

// The text in 1252, each character it cannot hold (a surrogate pair whole)
// written by outside(bytes, character).
template <class Outside>
std::string encodeEach(const QString& text, Outside outside) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text.at(i);
    if (encodable(c)) {
      bytes.push_back(static_cast<char>(byteOf(c.unicode())));
      continue;
    }
    const qsizetype length = c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate() ? 2 : 1;
    outside(bytes, text.mid(i, length));
    i += length - 1;
  }
  return bytes;
}

}  // namespace

std::string toUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char c : bytes) appendUtf8(out, codePointOf(static_cast<unsigned char>(c)));
  return out;
}

QString toQString(std::string_view bytes) {
  QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* data = out.data();
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    data[i] = QChar(static_cast<char16_t>(codePointOf(static_cast<unsigned char>(bytes[i]))));
  }
  return out;
}

std::string fromUtf8(std::string_view utf8, bool* ok) {
  std::string out;
  out.reserve(utf8.size());
  bool allEncoded = true;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {  // the common case, kept out of the decoder
      out.push_back(static_cast<char>(lead));
      ++i;
      continue;
    }
    appendByte(out, byteOf(decodeUtf8(utf8, i)), allEncoded);
  }
  if (ok) *ok = allEncoded;
  return out;
}

std::string fromQString(const QString& text, bool* ok) {
  bool allEncoded = true;
  std::string out = encodeEach(text, [&allEncoded](std::string& bytes, const QString&) {
    // A surrogate pair is one character outside 1252: one '?' for both halves.
    appendByte(bytes, -1, allEncoded);
  });
  if (ok) *ok = allEncoded;
  return out;
}

bool canEncode(QChar c) { return encodable(c); }

bool canEncode(const QString& text) {
  for (QChar c : text) {
    if (!canEncode(c)) return false;
  }
  return true;
}

std::optional<QString> firstUnencodable(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (canEncode(c)) continue;
    // A character outside the basic plane is two code units: name it whole.
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) return text.mid(i, 2);
    return QString(c);
  }
  return std::nullopt;
}

std::string upper(std::string_view bytes) {
  std::string upper(bytes);
  for (char& c : upper) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'a' && byte <= 'z') {
      c = static_cast<char>(byte - 0x20);
    } else if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) {  // à..þ, not ÷
      c = static_cast<char>(byte - 0x20);
    } else if (byte == 0x9A || byte == 0x9C || byte == 0x9E) {  // š œ ž
      c = static_cast<char>(byte - 0x10);
    } else if (byte == 0xFF) {  // ÿ
      c = static_cast<char>(0x9F);
    }
  }
  return upper;
}

char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string upperAscii(std::string_view bytes) {
  std::string out(bytes);
  for (char& c : out) c = upperAscii(c);
  return out;
}

QString upperAscii(const QString& text) {
  QString out = text;
  for (QChar& c : out)
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 'a' + 'A');
  return out;
}

bool equalUpperAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (upperAscii(a[i]) != upperAscii(b[i])) return false;
  return true;
}

namespace {

// The ASCII spelling of each byte from 0x80 to 0xFF ("?" where none fits).
// clang-format off
constexpr std::string_view HighBytesInAscii[128] = {
    // 0x80
    "EUR", "?", ",", "f", "\"", "...", "+", "+", "^", "%", "S", "<", "OE", "?", "Z", "?",
    // 0x90
    "?", "'", "'", "\"", "\"", "*", "-", "-", "~", "TM", "s", ">", "oe", "?", "z", "Y",
    // 0xA0
    " ", "!", "c", "L", "?", "Y", "|", "S", "\"", "(c)", "a", "\"", "-", "-", "(R)", "-",
    // 0xB0
    "o", "+-", "2", "3", "'", "u", "P", ".", ",", "1", "o", "\"", "1/4", "1/2", "3/4", "?",
    // 0xC0
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",
    // 0xD0
    "D", "N", "O", "O", "O", "O", "O", "x", "O", "U", "U", "U", "U", "Y", "TH", "ss",
    // 0xE0
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    // 0xF0
    "d", "n", "o", "o", "o", "o", "o", "/", "o", "u", "u", "u", "u", "y", "th", "y",
};
// clang-format on

}  // namespace

std::string toPlainAscii(std::string_view bytes) {
  std::string plain;
  plain.reserve(bytes.size());
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80) {
      plain += HighBytesInAscii[byte - 0x80];
    } else if (byte < 0x20 || byte == 0x7F) {
      plain += ' ';
    } else {
      plain += c;
    }
  }
  return plain;
}

namespace {

// Latin letters for the Cyrillic capitals U+0400 to U+042F (their small
// letters are 0x50 and 0x20 above) and the Greek capitals U+0391 to U+03A9
// (small ones 0x20 above), as names are usually written in Latin letters.
// clang-format off
constexpr std::string_view CyrillicInLatin[48] = {
    // U+0400
    "E", "E", "Dj", "G", "Ye", "Dz", "I", "Yi", "J", "Lj", "Nj", "C", "K", "I", "U", "Dz",
    // U+0410
    "A", "B", "V", "G", "D", "E", "Zh", "Z", "I", "Y", "K", "L", "M", "N", "O", "P",
    // U+0420
    "R", "S", "T", "U", "F", "Kh", "Ts", "Ch", "Sh", "Shch", "", "Y", "", "E", "Yu", "Ya",
};
constexpr std::string_view GreekInLatin[25] = {
    // U+0391
    "A", "V", "G", "D", "E", "Z", "I", "Th", "I", "K", "L", "M", "N", "X", "O", "P",
    // U+03A1
    "R", "", "S", "T", "Y", "F", "Ch", "Ps", "O",
};
// clang-format on

// Letters that no decomposition brings back to a Latin letter 1252 holds.
struct Nearest {
  char16_t code;
  std::string_view latin;
};
constexpr Nearest OtherLetters[] = {
    {0x0110, "D"}, {0x0111, "d"}, {0x0126, "H"}, {0x0127, "h"}, {0x0131, "i"}, {0x0138, "k"},
    {0x0141, "L"}, {0x0142, "l"}, {0x014A, "N"}, {0x014B, "n"}, {0x0166, "T"}, {0x0167, "t"},
    {0x018F, "E"}, {0x0259, "e"}, {0x0490, "G"}, {0x0491, "g"}, {0x03C2, "s"},
};

// Small letters in the tables' Latin: "Zh" -> "zh".
std::string lowered(std::string_view latin) {
  std::string text(latin);
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// The Latin letters of a Cyrillic, Greek or other letter; nothing when it is
// none of them.
std::optional<std::string> latinOf(char16_t c) {
  if (c >= 0x0400 && c < 0x0430) return std::string(CyrillicInLatin[c - 0x0400]);
  if (c >= 0x0430 && c < 0x0450) return lowered(CyrillicInLatin[c - 0x0430 + 0x10]);
  if (c >= 0x0450 && c < 0x0460) return lowered(CyrillicInLatin[c - 0x0450]);
  if (c >= 0x0391 && c <= 0x03A9) return std::string(GreekInLatin[c - 0x0391]);
  if (c >= 0x03B1 && c <= 0x03C9 && c != 0x03C2) return lowered(GreekInLatin[c - 0x03B1]);
  for (const Nearest& letter : OtherLetters)
    if (letter.code == c) return std::string(letter.latin);
  return std::nullopt;
}

// The nearest 1252 text of one character 1252 cannot hold: the tables
// above, else its decomposition without accents (ő -> o, ﬁ -> fi, й -> и ->
// i); empty when nothing is near.
std::string nearestOf(const QString& character) {
  if (character.size() == 1)
    if (std::optional<std::string> latin = latinOf(character.at(0).unicode())) return *latin;
  std::string out;
  const QString parts = character.normalized(QString::NormalizationForm_KD);
  for (const QChar c : parts) {
    if (c.isMark() || c.isSurrogate()) continue;
    if (canEncode(c)) {
      out.push_back(static_cast<char>(byteOf(c.unicode())));
    } else if (const std::optional<std::string> latin = latinOf(c.unicode())) {
      out += *latin;
    }
  }
  return out;
}

}  // namespace

std::string fromQStringNearest(const QString& text, bool* changed) {
  bool replaced = false;
  std::string out = encodeEach(text, [&replaced](std::string& bytes, const QString& character) {
    replaced = true;
    bytes += nearestOf(character);
  });
  if (changed) *changed = replaced;
  return out;
}

std::string fromQStringNamingCodes(const QString& text) {
  return encodeEach(text, [](std::string& bytes, const QString& character) {
    char name[16];
    const char32_t code =
        character.size() == 2 ? QChar::surrogateToUcs4(character.at(0), character.at(1)) : character.at(0).unicode();
    std::snprintf(name, sizeof name, "[U+%04X]", static_cast<unsigned>(code));
    bytes += name;
  });
}

}  // namespace brivant::Cp1252
