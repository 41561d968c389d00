#pragma once
// Pieces the lookup and overview windows share: closing on Escape, the band
// and mode lists, the column header that scrolls with its list.

#include <QFont>
#include <QScrollArea>

#include <string_view>

class QAbstractScrollArea;
class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace brivant {

struct AppState;
struct FileError;
struct StatsHooks;

// The font of the fixed-column lists.
QFont fixedPitchFont();

// Escape closes the window.
void closeOnEscape(QWidget* window);
// Enter anywhere in the window clicks the button.
void enterClicks(QWidget* window, QPushButton* button);

// A file that cannot be read: through the hook, else a message with the
// error number.
void reportFileError(AppState& state, const StatsHooks& hooks, const FileError& error, std::string_view missingLabel);

// The mode list ("SSB", "CW") and the five bands of the entry.
void fillModes(QComboBox* modes);
void fillBands(QComboBox* bands);
// Selects the item of a stored index; an index outside the list selects none.
void selectIndex(QComboBox* list, int index);
// The station's "Mode Utilise" and "bande Utilisee" (BandIndex is set to it).
int storedModeIndex(const AppState& state);
int storedBandIndex(AppState& state);

// A one-line header over a fixed-pitch list: its text starts where the list's
// text starts and follows the list's horizontal scrolling.
class ListHeader final : public QScrollArea {
  Q_OBJECT

 public:
  ListHeader(QLabel* label, QAbstractScrollArea* list, QWidget* parent);

  // The header's text, the label sized to it.
  void setHeaderText(const QString& text);

 private:
  QLabel* label_;
};

}  // namespace brivant
