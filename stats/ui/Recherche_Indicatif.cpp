#include "stats/ui/Recherche_Indicatif.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/Language.h"
#include "core/ui/Centre.h"
#include "core/ui/KeyboardAccess.h"
#include "platform/Cp1252.h"
#include "stats/ui/StatsControls.h"

namespace brivant {

namespace {

constexpr std::array<SearchBy, 3> Criteria{SearchBy::Callsign, SearchBy::Reference, SearchBy::Departement};

int optionIndex(SearchBy by) { return static_cast<int>(by); }

// Letters a to z typed in the box become capitals as they are typed.
void capitalsAsTyped(QLineEdit* box) {
  QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
    QString upper = text;
    for (QChar& c : upper)
      if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 'a' + 'A');
    if (upper == text) return;
    const int cursor = box->cursorPosition();
    box->setText(upper);
    box->setCursorPosition(cursor);
  });
}

}  // namespace

Recherche_Indicatif::Recherche_Indicatif(AppState& state, StatsHooks hooks, QWidget* parent)
    : StatsWindow(state, std::move(hooks), QStringLiteral("Recherche_Indicatif"), parent) {
  auto* layout = new QVBoxLayout(this);

  Label3 = namedLabel(this, QStringLiteral("Label3"));
  layout->addWidget(Label3);

  auto* criteria = new QGridLayout;
  Indica = new QLineEdit(this);
  Indica->setObjectName(QStringLiteral("Indica"));
  Data = new QLineEdit(this);
  Data->setObjectName(QStringLiteral("Data"));
  Depa = new QLineEdit(this);
  Depa->setObjectName(QStringLiteral("Depa"));
  const int charWidth = fontMetrics().horizontalAdvance(QLatin1Char('W'));
  Indica->setMinimumWidth(charWidth * 12);
  Data->setMinimumWidth(charWidth * 15);
  Depa->setMinimumWidth(charWidth * 3);
  for (SearchBy by : Criteria) {
    const int index = optionIndex(by);
    auto* option = new QRadioButton(this);
    option->setObjectName(QStringLiteral("Option1(%1)").arg(index));
    Option1[static_cast<std::size_t>(index)] = option;
    QLineEdit* box = boxOf(by);
    criteria->addWidget(option, 0, 2 * (index - 1));
    criteria->addWidget(box, 0, 2 * (index - 1) + 1);
    connect(option, &QRadioButton::clicked, this, [this, index] { Option1_Click(index); });
    connect(box, &QLineEdit::returnPressed, this, [this, by] { Box_Enter(by); });
    box->installEventFilter(this);
  }
  criteria->setColumnStretch(6, 1);
  Option1[1]->setChecked(true);
  capitalsAsTyped(Indica);
  capitalsAsTyped(Data);
  layout->addLayout(criteria);

  QSO_Effectues = fixedPitchList(this, QStringLiteral("QSO_Effectues"), SearchResultWidth + 1, 16);
  QSO_Effectues->installEventFilter(this);
  Label2 = new ColumnHeader(QSO_Effectues, listLineColumns(), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  layout->addWidget(Label2);
  layout->addWidget(QSO_Effectues, 1);
  connect(QSO_Effectues, &QListWidget::itemClicked, this, &Recherche_Indicatif::QSO_Effectues_Click);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  Command1 = new QPushButton(this);
  Command1->setObjectName(QStringLiteral("Command1"));
  buttons->addWidget(Command1);
  layout->addLayout(buttons);
  connect(Command1, &QPushButton::clicked, this, &Recherche_Indicatif::Command1_Click);

  setTabOrder(Option1[1], Indica);
  setTabOrder(Indica, Option1[2]);
  setTabOrder(Option1[2], Data);
  setTabOrder(Data, Option1[3]);
  setTabOrder(Option1[3], Depa);
  setTabOrder(Depa, QSO_Effectues);
  setTabOrder(QSO_Effectues, Command1);
}

QLineEdit* Recherche_Indicatif::boxOf(SearchBy by) const {
  switch (by) {
    case SearchBy::Callsign:
      return Indica;
    case SearchBy::Reference:
      return Data;
    case SearchBy::Departement:
      break;
  }
  return Depa;
}

SearchBy Recherche_Indicatif::criterion() const {
  for (SearchBy by : Criteria)
    if (Option1[static_cast<std::size_t>(optionIndex(by))]->isChecked()) return by;
  return SearchBy::Callsign;
}

void Recherche_Indicatif::Form_Load() {
  const bool french = state_.french();
  setWindowTitle(pick(french, "Recherche de QSO", "Search for QSO"));
  Label3->setText(pick(french, "Rechercher un QSO par ...", "Search for a QSO by ..."));
  Option1[1]->setText(pick(french, "&Indicatif", "&Callsign"));
  Option1[2]->setText(pick(french, "&Ref Chateau", "Castle &Ref"));
  Option1[3]->setText(pick(french, "&Dpt", "&Dpt"));
  // Two blanks part the titles; "Rst E" and "Ref Chateau" keep their one.
  Label2->setText(listHeaderTitles(french).join(QStringLiteral("  ")));
  QSO_Effectues->setToolTip(QStringLiteral("Cliquez sur le QSO pour le selectionner"));
  Command1->setText(pick(french, "&Quitter", "E&xit"));
  Indica->clear();
  giveAltKeys(this);
  adjustSize();
  centreOnScreen(this);
}

void Recherche_Indicatif::Option1_Click(int index) {
  if (index < 1 || index > 3) return;
  Option1[static_cast<std::size_t>(index)]->setChecked(true);
  boxOf(Criteria[static_cast<std::size_t>(index - 1)])->setFocus(Qt::OtherFocusReason);
}

void Recherche_Indicatif::Box_Enter(SearchBy by) {
  QLineEdit* box = boxOf(by);
  const std::string typed = Cp1252::fromQString(box->text());
  if (const std::optional<QString> refusal = searchValueRefusal(by, typed)) {
    state_.dialogs.message(*refusal);
    if (typed.empty()) box->clear();
    return;
  }
  // The box where Enter was pressed names the criterion.
  Option1[static_cast<std::size_t>(optionIndex(by))]->setChecked(true);
  Cherche_QSO();
}

void Recherche_Indicatif::Cherche_QSO() {
  const SearchBy by = criterion();
  QLineEdit* box = boxOf(by);
  QSO_Effectues->clear();
  const SearchOutcome outcome = brivant::Cherche_QSO(hooks_.lines(), by, Cp1252::fromQString(box->text()));
  if (!outcome.ran) {
    state_.dialogs.message(*outcome.message);
    box->clear();
    return;
  }
  showLines(QSO_Effectues, outcome.results);
  if (outcome.message) state_.dialogs.message(*outcome.message);
  Indica->clear();
  Data->clear();
  Depa->clear();
  if (QSO_Effectues->count() > 0) {
    // The first result is ready to be picked with Enter.
    QSO_Effectues->setCurrentRow(0);
    QSO_Effectues->setFocus(Qt::OtherFocusReason);
  }
}

void Recherche_Indicatif::QSO_Effectues_Click(QListWidgetItem* item) {
  if (item == nullptr) return;
  const std::optional<int> row = rowOfSearchResult(hooks_.lines(), Cp1252::fromQString(item->text()));
  // A result the list no longer holds (renumbered since) selects nothing.
  if (hooks_.selectQso) hooks_.selectQso(row.value_or(-1));
  close();
}

void Recherche_Indicatif::Command1_Click() { close(); }

bool Recherche_Indicatif::eventFilter(QObject* watched, QEvent* event) {
  // Going into a box, by click or by Tab, chooses its criterion.
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress) {
    for (SearchBy by : Criteria) {
      if (watched == boxOf(by)) Option1[static_cast<std::size_t>(optionIndex(by))]->setChecked(true);
    }
  }
  if (watched == QSO_Effectues && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      QSO_Effectues_Click(QSO_Effectues->currentItem());
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace brivant
