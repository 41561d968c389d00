#include "labels/ui/Select_QSO.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Language.h"
#include "core/LogFile.h"
#include "core/ui/Centre.h"
#include "core/ui/KeyboardAccess.h"
#include "core/ui/Named.h"
#include "labels/ui/Etiquettes.h"
#include "labels/ui/SelectionListModel.h"
#include "labels/ui/WindowKeys.h"

namespace brivant {

namespace {

QListView* contactList(QWidget* parent, const char* name, SelectionListModel* model) {
  auto* list = new QListView(parent);
  list->setObjectName(QString::fromLatin1(name));
  list->setModel(model);
  list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  list->setUniformItemSizes(true);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setMinimumSize(760, 200);
  return list;
}

bool isMoveKey(const QKeyEvent& key) { return isEnterKey(key) || key.key() == Qt::Key_Space; }

}  // namespace

Select_QSO::Select_QSO(AppState& state, Printer& printer, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), printer_(printer) {
  setObjectName(QStringLiteral("Select_QSO"));
  setAttribute(Qt::WA_DeleteOnClose);
  unchosenModel_ = new SelectionListModel(selection_, false, this);
  chosenModel_ = new SelectionListModel(selection_, true, this);

  auto* layout = new QVBoxLayout(this);
  Label2 = named(new QLabel(this), "Label2");
  QFont title = Label2->font();
  title.setBold(true);
  title.setPointSizeF(title.pointSizeF() * 1.3);
  Label2->setFont(title);
  Label2->setAlignment(Qt::AlignCenter);
  layout->addWidget(Label2);
  Label3 = named(new QLabel(this), "Label3");
  Liste_QSO = contactList(this, "Liste_QSO", unchosenModel_);
  Label3->setBuddy(Liste_QSO);
  layout->addWidget(Label3);
  layout->addWidget(Liste_QSO, 3);
  Label4 = named(new QLabel(this), "Label4");
  Liste_Imprime = contactList(this, "Liste_Imprime", chosenModel_);
  Label4->setBuddy(Liste_Imprime);
  layout->addWidget(Label4);
  layout->addWidget(Liste_Imprime, 2);

  auto* buttons = new QHBoxLayout;
  Select_All = new QPushButton(this);
  Select_All->setObjectName(QStringLiteral("Select_All"));
  Impression = new QPushButton(this);
  Impression->setObjectName(QStringLiteral("Impression"));
  for (QPushButton* button : {Select_All, Impression}) {
    button->setAutoDefault(true);  // Enter presses the button that has the focus
    buttons->addWidget(button);
  }
  buttons->addStretch();
  layout->addLayout(buttons);

  connect(Liste_QSO, &QListView::clicked, this, &Select_QSO::Liste_QSO_Click);
  connect(Liste_Imprime, &QListView::clicked, this, &Select_QSO::Liste_Imprime_Click);
  connect(Select_All, &QPushButton::clicked, this, &Select_QSO::Select_All_Click);
  connect(Impression, &QPushButton::clicked, this, &Select_QSO::Impression_Click);
  Liste_QSO->installEventFilter(this);
  Liste_Imprime->installEventFilter(this);
  setTabOrder(Liste_QSO, Liste_Imprime);
  setTabOrder(Liste_Imprime, Select_All);
  setTabOrder(Select_All, Impression);
}

Select_QSO::~Select_QSO() = default;

Etiquettes* Select_QSO::etiquettes() const { return etiquettes_; }

void Select_QSO::setCaptions() {
  const bool french = state_.french();
  setWindowTitle(pick(french, "Selection des QSO", "Selection of the QSO"));
  Label2->setText(
      pick(french, "Selection des QSO pour impression d'etiquettes", "Selection of the QSO for printing labels"));
  Label3->setText(pick(french, "&Cliquez sur un QSO pour le selectionner ", "&Click on a QSO for select"));
  Label4->setText(pick(french,
                       "QSO selectionné(s) pour impression d'etiquettes . Cliquez sur un QSO pour le &déselectionner.",
                       "Selected QSO(s) for printing labels. Click on a QSO to &deselect it"));
  Select_All->setText(pick(french, "&Tout séléctionner", "Select &All"));
  Impression->setText(pick(french, "&Vers page Impression", "&Go to page Print"));
  giveAltKeys(this);
}

Status Select_QSO::Form_Load() {
  setCaptions();
  adjustSize();
  centreOnScreen(this);
  Result<ListLines> lines = Charge_Liste_QSO(state_.programDir, state_.StationCall);
  unchosenModel_->startReset();
  chosenModel_->startReset();
  selection_.load(lines ? std::move(*lines) : ListLines{});
  unchosenModel_->finishReset();
  chosenModel_->finishReset();
  return lines;
}

void Select_QSO::moveContact(bool choose, int row) {
  SelectionListModel* from = choose ? unchosenModel_ : chosenModel_;
  SelectionListModel* to = choose ? chosenModel_ : unchosenModel_;
  if (row < 0 || row >= from->rowCount()) return;
  const auto source = static_cast<std::size_t>(row);
  const auto target = static_cast<int>(choose ? selection_.rowOnChoosing(source) : selection_.rowOnGivingBack(source));
  from->startRemoving(row);
  to->startInserting(target);
  if (choose) {
    selection_.choose(source);
  } else {
    selection_.giveBack(source);
  }
  to->finishInserting();
  from->finishRemoving();
  // The next contact comes under the cursor: Enter again moves it too.
  QListView* list = choose ? Liste_QSO : Liste_Imprime;
  const int current = std::min(row, from->rowCount() - 1);
  if (current >= 0) list->setCurrentIndex(from->index(current));
}

void Select_QSO::Liste_QSO_Click(const QModelIndex& item) { moveContact(true, item.row()); }

void Select_QSO::Liste_Imprime_Click(const QModelIndex& item) { moveContact(false, item.row()); }

void Select_QSO::Select_All_Click() {
  if (selection_.unchosenCount() == 0) return;
  unchosenModel_->startReset();
  chosenModel_->startReset();
  selection_.chooseAll();
  chosenModel_->finishReset();
  unchosenModel_->finishReset();
}

void Select_QSO::Impression_Click() {
  if (!etiquettes_) {
    etiquettes_ = new Etiquettes(state_, printer_, selection_, this);
    etiquettes_->Form_Load();
  }
  etiquettes_->show();
  etiquettes_->raise();
  etiquettes_->activateWindow();
}

bool Select_QSO::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && isMoveKey(static_cast<QKeyEvent&>(*event))) {
    if (watched == Liste_QSO) {
      moveContact(true, Liste_QSO->currentIndex().row());
      return true;
    }
    if (watched == Liste_Imprime) {
      moveContact(false, Liste_Imprime->currentIndex().row());
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void Select_QSO::keyPressEvent(QKeyEvent* event) {
  if (!closeOnEscape(*this, *event)) QWidget::keyPressEvent(event);
}

}  // namespace brivant
