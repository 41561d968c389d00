#include "core/ListHeader.h"

#include <algorithm>
#include <array>

#include "core/Language.h"
#include "core/QsoRecord.h"

namespace brivant {

namespace {

struct Title {
  const char* french;
  const char* english;
};
constexpr std::array<Title, 12> Titles{{{"N°", "N°"},
                                        {"Date", "Date"},
                                        {"Indicatif", "Callsign"},
                                        {"Debut", "Start"},
                                        {"Fin", "End"},
                                        {"Dpt", "Dpt"},
                                        {"Bande", "Band"},
                                        {"Mode", "Mode"},
                                        {"Rst E", "Rst S"},
                                        {"Rst R", "Rst R"},
                                        {"Ref Chateau", "Castle Ref"},
                                        {"Prenom", "First name"}}};

}  // namespace

std::vector<int> listLineColumns() {
  using namespace QsoLayout;
  // "N°" ends over the last digit of the five-column number.
  std::vector<int> columns{static_cast<int>(NumberWidth) - 2};
  for (const QsoField& field : {Date, Callsign, StartTime, EndTime, Departement, QsoLayout::Band, QsoLayout::Mode,
                                RstSent, RstReceived, Qth, FirstName})
    columns.push_back(static_cast<int>(field.column - 1 + ListOffset));
  return columns;
}

QStringList listHeaderTitles(bool french) {
  QStringList titles;
  for (const Title& title : Titles) titles.push_back(pick(french, title.french, title.english));
  return titles;
}

QString listHeaderText(bool french) {
  const std::vector<int> columns = listLineColumns();
  const QStringList titles = listHeaderTitles(french);
  QString text;
  for (qsizetype i = 0; i < titles.size(); ++i) {
    // A title longer than its column leaves one blank before the next.
    const qsizetype after = text.isEmpty() ? 0 : text.size() + 1;
    text = text.leftJustified(std::max<qsizetype>(columns[static_cast<std::size_t>(i)], after), QLatin1Char(' '));
    text += titles[i];
  }
  return text;
}

}  // namespace brivant
