#include "core/ListHeader.h"

#include <algorithm>
#include <array>

#include "core/Language.h"
#include "core/QsoRecord.h"

namespace brivant {

namespace {

// A column of the list line and its title.  Every list of contacts shows
// the shared ones; the main window's list shows them all.
struct Title {
  int column;  // 0-based, in a list line
  const char* french;
  const char* english;
  bool shared;
};

constexpr int listColumn(QsoField field) { return static_cast<int>(field.column - 1 + QsoLayout::ListOffset); }

// Each title fits its column and the blanks after it.
constexpr std::array<Title, 19> Titles{{
    // "N°" ends over the last digit of the five-column number.
    {static_cast<int>(QsoLayout::NumberWidth) - 2, "N°", "N°", true},
    {listColumn(QsoLayout::Date), "Date", "Date", true},
    {listColumn(QsoLayout::Callsign), "Indicatif", "Callsign", true},
    {listColumn(QsoLayout::StartTime), "Debut", "Start", true},
    {listColumn(QsoLayout::EndTime), "Fin", "End", true},
    {listColumn(QsoLayout::Departement), "Dpt", "Dpt", true},
    {listColumn(QsoLayout::Locator), "Locator", "Locator", false},
    {listColumn(QsoLayout::Band), "Bande", "Band", true},
    {listColumn(QsoLayout::Mode), "Mode", "Mode", true},
    {listColumn(QsoLayout::RstSent), "Rst E", "Rst S", true},
    {listColumn(QsoLayout::RstReceived), "Rst R", "Rst R", true},
    {listColumn(QsoLayout::Qth), "Ref Chateau", "Castle Ref", true},
    {listColumn(QsoLayout::FirstName), "Prenom", "First name", true},
    {listColumn(QsoLayout::Points), "Points", "Points", false},
    {listColumn(QsoLayout::Marker), "Niveau", "Level", false},
    {listColumn(QsoLayout::Distance), "Dist", "Dist", false},
    {listColumn(QsoLayout::Azimuth), "Az", "Az", false},
    {listColumn(QsoLayout::Activity), "Act", "Act", false},
    {listColumn(QsoLayout::CastleName), "Nom du Chateau", "Castle name", false},
}};

bool shown(const Title& title, ListColumns which) { return title.shared || which == ListColumns::Whole; }

}  // namespace

std::vector<int> listLineColumns(ListColumns which) {
  std::vector<int> columns;
  for (const Title& title : Titles)
    if (shown(title, which)) columns.push_back(title.column);
  return columns;
}

QStringList listHeaderTitles(bool french, ListColumns which) {
  QStringList titles;
  for (const Title& title : Titles)
    if (shown(title, which)) titles.push_back(pick(french, title.french, title.english));
  return titles;
}

QString listHeaderText(bool french, ListColumns which) {
  QString text;
  for (const Title& title : Titles) {
    if (!shown(title, which)) continue;
    // A title longer than its column leaves one blank before the next.
    const qsizetype after = text.isEmpty() ? 0 : text.size() + 1;
    text = text.leftJustified(std::max<qsizetype>(title.column, after), QLatin1Char(' '));
    text += pick(french, title.french, title.english);
  }
  return text;
}

}  // namespace brivant
