#pragma once
// Pieces the lookup and overview windows share: closing on Escape, the band
// and mode lists, the column header that scrolls with its list.

#include <QFont>
#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

#include <string_view>

#include "core/ListHeader.h"

class QAbstractScrollArea;
class QBoxLayout;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace brivant {

struct AppState;
struct FileError;
struct StatsHooks;

// The row that chooses what a window shows: a mode list (with its label when
// the window has one), a band list with its label, and the Afficher button,
// added to the layout; the controls go into the window's members, named as
// given.  Enter in the window clicks Afficher.  Returns the row.
struct ChoiceControls {
  QLabel** modeLabel;  // nullptr: the mode list has no label
  const char* modeLabelName;
  QComboBox** mode;
  const char* modeName;
  QLabel** bandLabel;
  const char* bandLabelName;
  QComboBox** band;
  const char* bandName;
  QPushButton** afficher;
};
QHBoxLayout* addChoiceRow(QWidget* window, QBoxLayout* layout, const ChoiceControls& controls);

// The font of the fixed-column lists.
QFont fixedPitchFont();

// A named label.
QLabel* namedLabel(QWidget* parent, const QString& name);
// A named list in the fixed-pitch font, wide enough for lines of the given
// number of characters and high enough for the given number of rows.
QListWidget* fixedPitchList(QWidget* parent, const QString& name, int characters, int rows);
// The list's items become the lines (Windows-1252 bytes).
void showLines(QListWidget* list, const std::vector<std::string>& lines);

// A file that cannot be read: through the hook, else a message with the
// error number.
void reportFileError(AppState& state, const StatsHooks& hooks, const FileError& error, std::string_view missingLabel);

// The mode list ("SSB", "CW") and the five bands of the entry.
void fillModes(QComboBox* modes);
void fillBands(QComboBox* bands);
// Selects the item of a stored index; an index outside the list selects none.
void selectIndex(QComboBox* list, int index);
// The station's "Mode Utilise" and "bande Utilisee".
int storedModeIndex(const AppState& state);
int storedBandIndex(const AppState& state);

// Where the text of a list's lines starts, in the coordinates of a widget
// over it: after the list's frame and item margin, less its horizontal scroll.
int listTextStart(const QAbstractScrollArea* list, const QWidget* over);

// The column header over a fixed-pitch list.  Its text is the header as the
// window gives it; each title of the text (titles are parted by two blanks
// or more) is drawn over the column of the list lines it names, and follows
// the list's horizontal scrolling.
class ColumnHeader final : public QWidget {
  Q_OBJECT

 public:
  // columns: the 0-based character where each title's field starts.
  ColumnHeader(QAbstractScrollArea* list, std::vector<int> columns, QWidget* parent);

  void setText(const QString& text);
  QString text() const { return text_; }
  // The titles and where each is drawn, in the header's coordinates.
  QStringList titles() const { return titles_; }
  QRect titleRect(int index) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QAbstractScrollArea* list_;
  std::vector<int> columns_;
  QString text_;
  QStringList titles_;
};

}  // namespace brivant
