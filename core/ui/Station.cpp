#include "core/ui/Station.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Language.h"
#include "core/MainCaptions.h"
#include "core/SettingsKeys.h"
#include "core/Station.h"
#include "core/ui/Centre.h"
#include "core/ui/FieldColours.h"
#include "core/ui/KeyboardAccess.h"
#include "core/ui/Main.h"
#include "platform/Cp1252.h"

namespace brivant {

namespace {

bool isEnter(const QKeyEvent& event) { return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter; }

// The typed character when it is one a field rewrites, else a null QChar.
QChar typedChar(const QKeyEvent& event) {
  const QString text = event.text();
  return text.size() == 1 ? text.front() : QChar();
}

bool isLowerAscii(QChar c) { return c >= QLatin1Char('a') && c <= QLatin1Char('z'); }

}  // namespace

Station::Station(Main& main) : QDialog(&main), main_(main) {
  setObjectName(QStringLiteral("Station"));
  Label2 = new QLabel(this);
  Label2->setObjectName(QStringLiteral("Label2"));
  QFont title = Label2->font();
  title.setPointSizeF(title.pointSizeF() * 1.3);
  title.setBold(true);
  Label2->setFont(title);
  Label2->setAlignment(Qt::AlignCenter);
  Label3 = new QLabel(this);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label5 = new QLabel(this);
  Label5->setObjectName(QStringLiteral("Label5"));
  Label5->setTextFormat(Qt::PlainText);

  New_Indicatif = new QLineEdit(this);
  New_Indicatif->setObjectName(QStringLiteral("New_Indicatif"));
  QFont callFont = New_Indicatif->font();
  callFont.setBold(true);
  New_Indicatif->setFont(callFont);
  New_Locator = new QLineEdit(this);
  New_Locator->setObjectName(QStringLiteral("New_Locator"));
  Nouv_Date = new QLineEdit(this);
  Nouv_Date->setObjectName(QStringLiteral("Nouv_Date"));
  Validation = new QPushButton(this);
  Validation->setObjectName(QStringLiteral("Validation"));
  connect(Validation, &QPushButton::clicked, this, &Station::Validation_Click);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(12);
  grid->addWidget(Label3, 0, 0);
  grid->addWidget(New_Indicatif, 0, 1);
  auto* locatorCaption = new QLabel(QStringLiteral("Locator"), this);
  grid->addWidget(locatorCaption, 0, 2);
  grid->addWidget(New_Locator, 0, 3);
  grid->addWidget(Label5, 1, 0, 1, 4);
  grid->addWidget(Label1, 2, 0);
  grid->addWidget(Nouv_Date, 2, 1);
  grid->setColumnStretch(1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 14, 18, 14);
  layout->addWidget(Label2);
  layout->addSpacing(8);
  layout->addLayout(grid);
  layout->addSpacing(8);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Validation);
  layout->addLayout(buttons);

  for (QLineEdit* edit : {New_Indicatif, Nouv_Date}) edit->installEventFilter(this);
}

void Station::Form_Load() {
  const bool fr = main_.french();
  Label2->setText(pick(fr, "Identification de la station", "Identification of the station"));
  setWindowTitle(Label2->text());
  Label1->setText(pick(fr, "Date JNC", "JNC Date"));
  Label5->setText(
      pick(fr, "! Pour la saisie la ' / ' est remplacée par le ' _ ' !", "! To enter the ' / ' is replaced by '_' !"));
  Label3->setText(pick(fr, "Indicatif", "Callsign"));
  Validation->setText(pick(fr, "Validez", "Validate"));
  Nouv_Date->setPlaceholderText(pick(fr, "jj/mm/aa", "dd/mm/yy"));
  giveAltKeys(this);

  const StationWindowFields fields = loadStationWindow(main_.state());
  New_Indicatif->setText(fields.callsign);
  New_Locator->setText(fields.locator);
  Nouv_Date->setText(fields.jncDate);

  // The callsign is typed first; the date and the button open as it goes.
  New_Indicatif->setEnabled(true);
  setAwaiting(New_Indicatif);
  for (QLineEdit* later : {New_Locator, Nouv_Date}) {
    later->setEnabled(false);
    later->setPalette(QPalette());
  }
  Validation->setEnabled(false);
  New_Indicatif->setFocus();
  adjustSize();
  centreOnScreen(this);
}

void Station::openModal() {
  Form_Load();
  exec();
}

void Station::openNonModal() {
  Form_Load();
  show();
  raise();
  activateWindow();
}

bool Station::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto& key = static_cast<QKeyEvent&>(*event);
    if (watched == New_Indicatif) return New_Indicatif_KeyPress(key);
    if (watched == Nouv_Date) return Nouv_Date_KeyPress(key);
  }
  return QDialog::eventFilter(watched, event);
}

bool Station::New_Indicatif_KeyPress(QKeyEvent& event) {
  if (isEnter(event)) {
    New_Indicatif_Enter();
    return true;
  }
  const QChar c = typedChar(event);
  if (isLowerAscii(c) || c == QLatin1Char('/')) {
    New_Indicatif->insert(filterCallsignTyping(QString(c)));
    return true;
  }
  return false;
}

bool Station::Nouv_Date_KeyPress(QKeyEvent& event) {
  if (isEnter(event)) {
    Nouv_Date_Enter();
    return true;
  }
  if (const QChar c = typedChar(event); isLowerAscii(c)) {
    Nouv_Date->insert(c.toUpper());
    return true;
  }
  return false;
}

void Station::New_Indicatif_Enter() {
  AppState& state = main_.state();
  const std::string session = Settings::getText(state.settings, Settings::Station::Session, state.StationCall);
  setAccepted(New_Indicatif);
  QLineEdit* next = session == "VHF" ? New_Locator : Nouv_Date;
  next->setEnabled(true);
  setAwaiting(next);
  next->setFocus();
}

void Station::Nouv_Date_Enter() {
  const DateTimeProblem problem = checkJncDate(Cp1252::fromQString(Nouv_Date->text()));
  if (problem != DateTimeProblem::None) {
    main_.state().dialogs.message(dateTimeMessage(problem, main_.french()));
    return;
  }
  setAccepted(Nouv_Date);
  setAccepted(New_Indicatif);
  Validation->setEnabled(true);
  Validation->setFocus();
}

void Station::Validation_Click() {
  AppState& state = main_.state();
  const StationValidation outcome =
      brivant::Validation(state, Cp1252::fromQString(New_Indicatif->text()), Cp1252::fromQString(Nouv_Date->text()));
  if (!outcome.message.isEmpty()) state.dialogs.message(outcome.message);
  if (outcome.clearCallsign) New_Indicatif->clear();
  if (outcome.endProgram) {
    close();
    main_.endProgram(1);
    return;
  }
  if (!outcome.accepted) return;

  main_.I_Station->setText(outcome.stationCaption);
  main_.setLogTitle(outcome.frame5Caption);
  main_.Bande_A->setCurrentIndex(outcome.bandIndex);
  main_.Mode_A->setCurrentIndex(outcome.modeIndex);
  main_.applyClockOptions(outcome.utc, outcome.automaticDate);
  // The window closes whatever follows: a missing file raises its own window.
  accept();
  if (!main_.Charge_Liste_QSO()) return;
  const std::string mode = Cp1252::fromQString(main_.Mode_A->currentText());
  if (!main_.Affiche_Departements(state.GridBand, mode)) return;
  // The new station's count and score replace the old station's.
  main_.Frame3->setTitle(
      frame3Caption(Frame3Caller::StartUpOrSave, main_.french(), state.DeptCount, state.GridBand, mode));
  if (!main_.showPoints()) return;
  main_.selectLastQso();
  main_.Bande_A->setFocus();
}

}  // namespace brivant
