#include "stats/ui/StatsControls.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QWidget>

#include "core/AppState.h"
#include "core/Bands.h"
#include "core/MissingFile.h"
#include "core/SettingsKeys.h"
#include "platform/Cp1252.h"
#include "stats/ui/StatsHooks.h"

namespace brivant {

const std::vector<std::string>& StatsHooks::lines() const {
  static const std::vector<std::string> None;
  return listLines ? listLines() : None;
}

QFont fixedPitchFont() { return QFontDatabase::systemFont(QFontDatabase::FixedFont); }

void closeOnEscape(QWidget* window) {
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
  escape->setContext(Qt::WindowShortcut);
  QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}

void enterClicks(QWidget* window, QPushButton* button) {
  for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* enter = new QShortcut(QKeySequence(key), window);
    enter->setContext(Qt::WindowShortcut);
    QObject::connect(enter, &QShortcut::activated, button, &QPushButton::click);
  }
}

void reportFileError(AppState& state, const StatsHooks& hooks, const FileError& error, std::string_view missingLabel) {
  if (hooks.fileError) {
    hooks.fileError(error, missingLabel);
    return;
  }
  state.dialogs.message(runtimeErrorMessage(error.number));
}

void fillModes(QComboBox* modes) {
  modes->clear();
  for (const Mode& mode : Modes) modes->addItem(Cp1252::toQString(mode.label));
}

void fillBands(QComboBox* bands) {
  bands->clear();
  for (std::string_view band : EntryBandLabels) bands->addItem(Cp1252::toQString(band));
}

void selectIndex(QComboBox* list, int index) {
  list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

int storedModeIndex(const AppState& state) {
  return Settings::getInt(state.settings, Settings::Station::ModeUsed, state.StationCall);
}

int storedBandIndex(AppState& state) {
  const int index = Settings::getInt(state.settings, Settings::Station::BandUsed, state.StationCall);
  state.BandIndex = index;
  return index;
}

ListHeader::ListHeader(QLabel* label, QAbstractScrollArea* list, QWidget* parent) : QScrollArea(parent), label_(label) {
  const QFont fixed = list->font();
  label->setFont(fixed);
  label->setTextFormat(Qt::PlainText);
  // The list's text starts after its frame and the item margin.
  const int inset = list->frameWidth() + list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
  label->setContentsMargins(inset, 0, inset, 0);
  setWidget(label);
  setWidgetResizable(false);
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFixedHeight(QFontMetrics(fixed).height() + 4);
  connect(list->horizontalScrollBar(), &QScrollBar::valueChanged, horizontalScrollBar(), &QScrollBar::setValue);
}

void ListHeader::setHeaderText(const QString& text) {
  label_->setText(text);
  label_->adjustSize();
}

}  // namespace brivant
