#include "core/ui/StartupTexts.h"

#include <span>

#include "core/Language.h"

namespace brivant {

namespace {

struct InstructionLine {
  const char* text;
  int lineEnds;  // CR LF after the line: 1, or 2 for an empty line after it
};

QString joinLines(std::span<const InstructionLine> lines) {
  QString text;
  for (const InstructionLine& line : lines) {
    text += QString::fromUtf8(line.text);
    for (int i = 0; i < line.lineEnds; ++i) text += QStringLiteral("\r\n");
  }
  return text;
}

}  // namespace

QString firstRunMessage(bool french) {
  return pick(french, "Premiere installation, vous devez entrer votre Indicatif et la date de la JNC",
              "First, you must enter your callsign and date of the JNC");
}

QString preEventInstructions(bool french) {
  static constexpr InstructionLine French[] = {
      {"                                   Avant le debut de la JNC ", 1},
      {"-1- Dans le menu 'Station' verifiez Indicatif et date d'Activité ", 2},
      {"-2- Remettez a zero les fichiers de Brivant   ", 1},
      {"    pour cela allez dans le menu 'Fichiers'             ", 1},
      {"    puis cliquez sur 'Remise a zero des fichiers log, Departement, Prefixe'  ", 1},
      {"-3- Si vous contactez un Chateau sélectionner CHATEAU ", 1},
      {"    dans la fenêtre activité, dans le cas contraire sélectionnez QSO", 2},
      {"-4- A partir du 1er Janvier 2019 le règlement a changé :", 1},
      {"    Un opérateur individuel ne pourra contacter que des DFCF ou DMF.", 0},
  };
  static constexpr InstructionLine English[] = {
      {"                                   Before the JNC ", 1},
      {"      -1- In the menu 'Station' check callsign and date of activity ", 2},
      {"      -2- Reset files Brivant", 1},
      {"           go to the menu 'Files' then click' Reset files log, Department, Prefixe", 2},
      {"      -3- If you contact a Castle remember to select CHATEAU ", 1},
      {"           in the window activity if not select QSO", 2},
      {"      -4- From 1 January 2014 Regulation has changed", 1},
      {"           An individual operator can only contact DFCF or DMF.", 0},
  };
  return joinLines(pick<std::span<const InstructionLine>>(french, French, English));
}

}  // namespace brivant
