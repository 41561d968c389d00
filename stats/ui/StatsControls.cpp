#include "stats/ui/StatsControls.h"

#include <QAbstractScrollArea>
#include <QBoxLayout>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>

#include "core/AppState.h"
#include "core/Bands.h"
#include "core/MissingFile.h"
#include "core/SettingsKeys.h"
#include "core/ui/KeyboardAccess.h"
#include "platform/Cp1252.h"
#include "stats/ui/StatsHooks.h"

namespace brivant {

const std::vector<std::string>& StatsHooks::lines() const {
  static const std::vector<std::string> None;
  return listLines ? listLines() : None;
}

QFont fixedPitchFont() { return QFontDatabase::systemFont(QFontDatabase::FixedFont); }

QHBoxLayout* addChoiceRow(QWidget* window, QBoxLayout* layout, const ChoiceControls& controls) {
  auto* row = new QHBoxLayout;
  const auto labelledList = [&](QLabel** label, const char* labelName, QComboBox** list, const char* listName) {
    *list = new QComboBox(window);
    (*list)->setObjectName(QString::fromLatin1(listName));
    if (label != nullptr) {
      *label = namedLabel(window, QString::fromLatin1(labelName));
      (*label)->setBuddy(*list);
      row->addWidget(*label);
    }
    row->addWidget(*list);
  };
  labelledList(controls.modeLabel, controls.modeLabelName, controls.mode, controls.modeName);
  labelledList(controls.bandLabel, controls.bandLabelName, controls.band, controls.bandName);
  *controls.afficher = new QPushButton(window);
  (*controls.afficher)->setObjectName(QStringLiteral("Afficher"));
  row->addWidget(*controls.afficher);
  row->addStretch(1);
  layout->addLayout(row);
  enterClicks(window, *controls.afficher);
  return row;
}

QLabel* namedLabel(QWidget* parent, const QString& name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  return label;
}

QListWidget* fixedPitchList(QWidget* parent, const QString& name, int characters, int rows) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  list->setFont(fixedPitchFont());
  const QFontMetrics fixed(list->font());
  // A few characters more for the margins, and room for a scroll bar.
  list->setMinimumSize(fixed.horizontalAdvance(QString(characters + 4, QLatin1Char('M'))) +
                           list->style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                       fixed.height() * rows);
  return list;
}

void showLines(QListWidget* list, const std::vector<std::string>& lines) {
  QStringList items;
  items.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) items.push_back(Cp1252::toQString(line));
  list->clear();
  list->addItems(items);
}

void reportFileError(AppState& state, const StatsHooks& hooks, const FileError& error, std::string_view missingLabel) {
  if (hooks.fileError) {
    hooks.fileError(error, missingLabel);
    return;
  }
  state.dialogs.message(runtimeErrorMessage(error));
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

int storedBandIndex(const AppState& state) {
  return Settings::getInt(state.settings, Settings::Station::BandUsed, state.StationCall);
}

int listTextStart(const QAbstractScrollArea* list, const QWidget* over) {
  const QWidget* window = list->window();
  return list->mapTo(window, QPoint(0, 0)).x() - over->mapTo(window, QPoint(0, 0)).x() + list->frameWidth() +
         list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1 - list->horizontalScrollBar()->value();
}

ColumnHeader::ColumnHeader(QAbstractScrollArea* list, std::vector<int> columns, QWidget* parent)
    : QWidget(parent), list_(list), columns_(std::move(columns)) {
  setFont(list->font());
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  connect(list->horizontalScrollBar(), &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
}

void ColumnHeader::setText(const QString& text) {
  text_ = text;
  titles_ = text.split(QRegularExpression(QStringLiteral(" {2,}")), Qt::SkipEmptyParts);
  for (QString& title : titles_) title = title.trimmed();
  updateGeometry();
  update();
}

QRect ColumnHeader::titleRect(int index) const {
  const QFontMetrics fixed(font());
  const int textStart = listTextStart(list_, this);
  int column = 0;
  for (int i = 0; i <= index && i < titles_.size(); ++i) {
    // A title without a column of its own follows the one before it.
    const int after = i > 0 ? column + static_cast<int>(titles_[i - 1].size()) + 1 : 0;
    column = i < static_cast<int>(columns_.size()) ? std::max(columns_[static_cast<std::size_t>(i)], after) : after;
  }
  const QString title = index < titles_.size() ? titles_[index] : QString();
  return {textStart + fixed.horizontalAdvance(QString(column, QLatin1Char('M'))), 0, fixed.horizontalAdvance(title),
          height()};
}

QSize ColumnHeader::sizeHint() const {
  const QFontMetrics fixed(font());
  return {fixed.horizontalAdvance(text_), fixed.height() + 4};
}

QSize ColumnHeader::minimumSizeHint() const { return {0, QFontMetrics(font()).height() + 4}; }

void ColumnHeader::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  for (int i = 0; i < titles_.size(); ++i) painter.drawText(titleRect(i), Qt::AlignLeft | Qt::AlignVCenter, titles_[i]);
}

}  // namespace brivant
