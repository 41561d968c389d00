#include "platform/Cp1252.h"

#include <array>
#include <cstdint>

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
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  bool allEncoded = true;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text.at(i);
    // A surrogate pair is one character outside 1252: one '?' for both halves.
    if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) ++i;
    appendByte(out, c.isSurrogate() ? -1 : byteOf(c.unicode()), allEncoded);
  }
  if (ok) *ok = allEncoded;
  return out;
}

bool canEncode(QChar c) { return !c.isSurrogate() && byteOf(c.unicode()) >= 0; }

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

}  // namespace brivant::Cp1252
