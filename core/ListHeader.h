#pragma once
// The fixed-pitch header over a list of contacts (Liste_QSO and the lists
// that show its lines): its titles in both languages, each over the column of
// the list line it names.  The columns come from the record's layout, as the
// list lines themselves do.

#include <QString>
#include <QStringList>
#include <vector>

namespace brivant {

// The columns a header names: those every list of contacts shows (the
// number, date, callsign, start, end, departement, band, mode, reports sent
// and received, castle reference and first name, in that order), or every
// column of the line (then also the locator, points, level, distance,
// azimuth, activity and castle name), as the main window's list shows it.
enum class ListColumns { UpToFirstName, Whole };

// Where each title's field starts in a list line (0-based characters).  The
// number is right-aligned, so its title ends over its last digit.
std::vector<int> listLineColumns(ListColumns which = ListColumns::UpToFirstName);

// The titles, in the order of listLineColumns.
QStringList listHeaderTitles(bool french, ListColumns which = ListColumns::UpToFirstName);

// The header as one line: each title starting at its column.
QString listHeaderText(bool french, ListColumns which = ListColumns::UpToFirstName);

}  // namespace brivant
