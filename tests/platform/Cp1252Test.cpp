#include "platform/Cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace {

namespace cp = brivant::Cp1252;

std::string allBytes() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<char>(b));
  return bytes;
}

TEST(Cp1252, EveryByteRoundTripsThroughUtf8AndQString) {
  const std::string bytes = allBytes();

  bool ok = false;
  EXPECT_EQ(cp::fromUtf8(cp::toUtf8(bytes), &ok), bytes);
  EXPECT_TRUE(ok);

  const QString text = cp::toQString(bytes);
  ASSERT_EQ(text.size(), 256);  // one character per byte, never a pair
  ok = false;
  EXPECT_EQ(cp::fromQString(text, &ok), bytes);
  EXPECT_TRUE(ok);
  EXPECT_TRUE(cp::canEncode(text));
  // UTF-8 and QString agree on every byte.
  EXPECT_EQ(QString::fromUtf8(cp::toUtf8(bytes)), text);
}

TEST(Cp1252, LatinOneHalvesAreTheirOwnCodePoints) {
  for (int b : {0x00, 0x41, 0x7F, 0xA0, 0xB0, 0xE9, 0xFF}) {
    EXPECT_EQ(cp::toQString(std::string(1, static_cast<char>(b))).at(0).unicode(), b) << "byte " << b;
  }
  EXPECT_EQ(cp::toUtf8("\xB0\xE9"), "°é");
  EXPECT_EQ(cp::fromUtf8("Journée n°1"),
            "Journ\xE9"
            "e n\xB0"
            "1");
}

TEST(Cp1252, TheTwentySevenSpecialBytes) {
  struct Mapping {
    unsigned char byte;
    const char* utf8;
  };
  const Mapping table[] = {
      {0x80, "€"}, {0x82, "‚"}, {0x83, "ƒ"}, {0x84, "„"}, {0x85, "…"}, {0x86, "†"}, {0x87, "‡"},
      {0x88, "ˆ"}, {0x89, "‰"}, {0x8A, "Š"}, {0x8B, "‹"}, {0x8C, "Œ"}, {0x8E, "Ž"}, {0x91, "‘"},
      {0x92, "’"}, {0x93, "“"}, {0x94, "”"}, {0x95, "•"}, {0x96, "–"}, {0x97, "—"}, {0x98, "˜"},
      {0x99, "™"}, {0x9A, "š"}, {0x9B, "›"}, {0x9C, "œ"}, {0x9E, "ž"}, {0x9F, "Ÿ"},
  };
  ASSERT_EQ(std::size(table), 27u);
  for (const auto& [byte, utf8] : table) {
    const std::string one(1, static_cast<char>(byte));
    EXPECT_EQ(cp::toUtf8(one), utf8) << "byte " << int(byte);
    EXPECT_EQ(cp::toQString(one), QString::fromUtf8(utf8)) << "byte " << int(byte);
    bool ok = false;
    EXPECT_EQ(cp::fromUtf8(utf8, &ok), one) << utf8;
    EXPECT_TRUE(ok) << utf8;
    EXPECT_EQ(cp::fromQString(QString::fromUtf8(utf8)), one) << utf8;
  }
}

TEST(Cp1252, UndefinedBytesKeepTheirC1Controls) {
  for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
    const std::string one(1, static_cast<char>(b));
    const QString text = cp::toQString(one);
    EXPECT_EQ(text.at(0).unicode(), b);
    EXPECT_EQ(cp::fromQString(text), one);
    EXPECT_TRUE(cp::canEncode(QChar(static_cast<char16_t>(b))));
  }
  // The other C1 controls have no byte: 0x80 is the euro sign's.
  for (char16_t c : {u'\u0080', u'\u0085', u'\u009F'}) {
    EXPECT_FALSE(cp::canEncode(QChar(c))) << int(c);
  }
}

TEST(Cp1252, CharactersOutsideAreRefusedAndReplacedOnce) {
  struct Case {
    const char* utf8;
    const char* expected;
  };
  const Case cases[] = {
      {"ł", "?"},
      {"→", "?"},
      {"F1ABC 😀!", "F1ABC ?!"},  // one '?' for the whole surrogate pair
      {"Ω€", "?\x80"},
  };
  for (const auto& [utf8, expected] : cases) {
    const QString text = QString::fromUtf8(utf8);
    EXPECT_FALSE(cp::canEncode(text)) << utf8;
    bool ok = true;
    EXPECT_EQ(cp::fromQString(text, &ok), expected) << utf8;
    EXPECT_FALSE(ok) << utf8;
    ok = true;
    EXPECT_EQ(cp::fromUtf8(utf8, &ok), expected) << utf8;
    EXPECT_FALSE(ok) << utf8;
  }
  EXPECT_FALSE(cp::canEncode(QString::fromUtf8("😀").at(0)));  // a lone half
  EXPECT_TRUE(cp::canEncode(QString::fromUtf8("Château d'Œuf, 12 €")));
}

TEST(Cp1252, MalformedUtf8NeverCrashesAndIsReported) {
  const std::string inputs[] = {
      "abc\xC3",           // cut at the end
      "\x80",              // stray continuation byte
      "\xC0\xAF",          // overlong '/'
      "\xED\xA0\x80",      // encoded surrogate
      "\xF4\x90\x80\x80",  // above U+10FFFF
      "\xE2\x82",          // cut euro sign
  };
  for (const std::string& input : inputs) {
    bool ok = true;
    const std::string out = cp::fromUtf8(input, &ok);
    EXPECT_FALSE(ok) << input;
    EXPECT_NE(out.find('?'), std::string::npos) << input;
  }
  // Good text after a bad byte is kept.
  EXPECT_EQ(cp::fromUtf8("\xFF"
                         "abc"),
            "?abc");
}

TEST(Cp1252, UpperAsciiOnlyTouchesAtoZUpperTakesEveryLetter) {
  EXPECT_EQ(cp::upperAscii("f1abc/p"), "F1ABC/P");
  EXPECT_EQ(cp::upperAscii("\xE9t\xE9 \x9C"), "\xE9T\xE9 \x9C");  // é and œ stay
  EXPECT_EQ(cp::upperAscii(""), "");
  // Full upper-casing takes the accented letters too; ÷ and ß have no capital.
  EXPECT_EQ(cp::upper("abc\xe9\xe7\xff\x9c\xf7\xdf"), "ABC\xc9\xc7\x9f\x8c\xf7\xdf");
  // Typed text is upper-cased the same way before it is encoded.
  EXPECT_EQ(cp::upperAscii(QString::fromUtf8("f5abc é œ")), QString::fromUtf8("F5ABC é œ"));
}

TEST(Cp1252, EqualOnceUpperCased) {
  const struct {
    const char* a;
    const char* b;
    bool equal;
  } cases[] = {
      {"14 MHZ", "14 Mhz", true},
      {"14 mhz", "14 MHz", true},
      {"14 Mhz", "14 Mhz ", false},
      {"\xe9", "\xc9", false},  // only a..z: é is not É
      {"", "", true},
  };
  for (const auto& c : cases) EXPECT_EQ(cp::equalUpperAscii(c.a, c.b), c.equal) << c.a << "|" << c.b;
}

TEST(Cp1252, FirstCharacterOutside1252) {
  EXPECT_FALSE(cp::firstUnencodable(QString::fromUtf8("Éloïse œ € ÿ")));
  EXPECT_EQ(cp::firstUnencodable(QString::fromUtf8("AB✓C")), QString::fromUtf8("✓"));
  // A character outside the basic plane is named whole, not half of it.
  EXPECT_EQ(cp::firstUnencodable(QString::fromUtf8("F5\U0001F4FB")), QString::fromUtf8("\U0001F4FB"));
  // Half a pair alone is named as it is.
  EXPECT_EQ(cp::firstUnencodable(QStringLiteral("A") + QChar(0xD83D)), QString(QChar(0xD83D)));
  EXPECT_FALSE(cp::firstUnencodable(QString()));
}

}  // namespace

namespace {

// Every byte comes out as printable ASCII, and every accented letter as the
// base letter Unicode's own decomposition gives (É = E + acute accent).
TEST(Cp1252, PlainAsciiKeepsTheBaseLetters) {
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string plain = cp::toPlainAscii(byte);
    ASSERT_FALSE(plain.empty()) << b;
    for (char c : plain) EXPECT_TRUE(c >= 32 && c <= 126) << "byte " << b << " gives " << int(c);
    if (b >= 0x20 && b < 0x7F) {
      EXPECT_EQ(plain, byte) << b;
    }

    const QString decomposed = cp::toQString(byte).normalized(QString::NormalizationForm_D);
    if (b >= 0x80 && decomposed.size() > 1 && decomposed[0].unicode() < 0x80 && decomposed[0].isLetter()) {
      EXPECT_EQ(plain, std::string(1, decomposed[0].toLatin1())) << "byte " << b;
    }
  }
  const std::pair<const char*, const char*> cases[] = {
      {"CHÂTEAU D'ÉPERNAY", "CHATEAU D'EPERNAY"}, {"Œuvre cœur", "OEuvre coeur"}, {"Straße", "Strasse"},
      {"ça coûte 5 €…", "ca coute 5 EUR..."},     {"« l’été »", "\" l'ete \""},   {"tab\there", "tab here"},
  };
  for (const auto& [utf8, ascii] : cases) EXPECT_EQ(cp::toPlainAscii(cp::fromUtf8(utf8)), ascii) << utf8;
}

}  // namespace

namespace {

// A free text keeps what 1252 holds; every other character becomes its
// nearest letters or is left out, and the change is told.
TEST(Cp1252, NearestLettersForWhat1252CannotHold) {
  const struct {
    const char* utf8;
    const char* nearest;  // UTF-8 of the 1252 result
    bool changed;
  } cases[] = {
      {"Château d'Yquem", "Château d'Yquem", false},
      {"Łukasz Wałęsa", "Lukasz Walesa", true},
      {"Őrség", "Orség", true},
      {"Иван Петрович", "Ivan Petrovich", true},
      {"ЖУЧКА щит", "ZhUChKA shchit", true},
      {"Їжак, Ґанок", "Yizhak, Ganok", true},
      {"Σωκράτης", "Sokratis", true},
      {"ﬁne Ａ", "fine A", true},
      {"Jo 📻 ✓", "Jo  ", true},
      {"", "", false},
  };
  for (const auto& c : cases) {
    bool changed = !c.changed;
    EXPECT_EQ(cp::fromQStringNearest(QString::fromUtf8(c.utf8), &changed), cp::fromUtf8(c.nearest)) << c.utf8;
    EXPECT_EQ(changed, c.changed) << c.utf8;
  }
}

// A text written for a person to read keeps every character: what 1252
// cannot hold is named by its code.
TEST(Cp1252, CodesNamedForWhat1252CannotHold) {
  EXPECT_EQ(cp::fromQStringNamingCodes(QString::fromUtf8("RА3AA « é »")), cp::fromUtf8("R[U+0410]3AA « é »"));
  EXPECT_EQ(cp::fromQStringNamingCodes(QString::fromUtf8("Jo 📻")), "Jo [U+1F4FB]");
}

}  // namespace
