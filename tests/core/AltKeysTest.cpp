#include "core/AltKeys.h"

#include <gtest/gtest.h>

namespace brivant {
namespace {

std::vector<QString> texts(std::initializer_list<const char*> utf8) {
  std::vector<QString> result;
  for (const char* text : utf8) result.push_back(QString::fromUtf8(text));
  return result;
}

TEST(AltKeys, LetterAndShownTextOfACaption) {
  struct Case {
    const char* caption;
    char letter;  // 0: none
    const char* shown;
  };
  const Case cases[] = {
      {"&Fichier", 'F', "Fichier"},
      {"Castle &Ref", 'R', "Castle Ref"},
      {"E&xit", 'X', "Exit"},
      {"&4800", '4', "4800"},
      {"Fichier", 0, "Fichier"},
      {"Tom && Jerry", 0, "Tom & Jerry"},
      {"Tom && &Jerry", 'J', "Tom & Jerry"},
      {"&&&Save", 'S', "&Save"},
      {"Trailing &", 0, "Trailing &"},
      {"&Énergie", 0, "Énergie"},  // only ASCII letters and digits are typed with Alt
  };
  for (const Case& c : cases) {
    const QString caption = QString::fromUtf8(c.caption);
    EXPECT_EQ(AltKeys::letterOf(caption), c.letter == 0 ? QChar() : QChar(QLatin1Char(c.letter))) << c.caption;
    EXPECT_EQ(AltKeys::shownText(caption), QString::fromUtf8(c.shown)) << c.caption;
  }
}

TEST(AltKeys, ScopesAreMarkedAsExpected) {
  struct Case {
    const char* what;
    std::vector<QString> captions;
    QString taken;
    std::vector<QString> marked;
  };
  const Case cases[] = {
      {"first letters of the words first",
       texts({"Enregistrer", "Imprimer", "Quitter"}),
       {},
       texts({"&Enregistrer", "&Imprimer", "&Quitter"})},
      {"a later word before the other letters",
       texts({"Save", "Save or print the sheet"}),
       {},
       texts({"&Save", "Save &or print the sheet"})},
      {"then the other letters in order",
       texts({"Oui", "Options", "Ouvrir"}),
       {},
       texts({"&Oui", "O&ptions", "O&uvrir"})},
      {"a caption's own letter is kept",
       texts({"Bande", "&Afficher", "Annuler"}),
       {},
       texts({"&Bande", "&Afficher", "A&nnuler"})},
      {"a letter marked twice stays with the first",
       texts({"&Quitter", "&Quitter aussi"}),
       {},
       texts({"&Quitter", "Quitter &aussi"})},
      {"letters taken by labels are left alone", texts({"Afficher"}), QStringLiteral("a"), texts({"A&fficher"})},
      {"an earlier caption moves aside for one with no other letter", texts({"ab", "a"}), {}, texts({"a&b", "&a"})},
      {"as few captions as can move aside", texts({"ca", "ad", "ud", "cu"}), {}, texts({"&ca", "&ad", "u&d", "c&u"})},
      {"a caption with every letter used stays unmarked", texts({"ab", "ba", "a"}), {}, texts({"&ab", "&ba", "a"})},
      {"accents and blanks are never letters", texts({"é é", " Editer  QSO"}), {}, texts({"é é", " &Editer  QSO"})},
      {"a literal ampersand stays literal", texts({"R&&D", "Rules"}), {}, texts({"&R&&D", "R&ules"})},
  };
  for (const Case& c : cases) EXPECT_EQ(AltKeys::markScope(c.captions, c.taken), c.marked) << c.what;
}

}  // namespace
}  // namespace brivant
