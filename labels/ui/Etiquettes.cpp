#include "labels/ui/Etiquettes.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/Language.h"
#include "core/SettingsKeys.h"
#include "core/Station.h"
#include "core/ui/Centre.h"
#include "core/ui/FieldColours.h"
#include "core/ui/KeyboardAccess.h"
#include "entry/EntryRules.h"
#include "labels/LabelSelection.h"
#include "labels/ui/LabelPrinting.h"
#include "labels/ui/WindowKeys.h"
#include "outputs/OutputText.h"
#include "outputs/ui/PrintJob.h"
#include "platform/Cp1252.h"

namespace brivant {

namespace {

template <class Widget>
Widget* named(Widget* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

QLabel* label(QWidget* parent, const char* name) { return named(new QLabel(parent), QString::fromLatin1(name)); }

QGroupBox* frame(QWidget* parent, const char* name) { return named(new QGroupBox(parent), QString::fromLatin1(name)); }

QPushButton* button(QWidget* parent, const char* name) {
  auto* result = named(new QPushButton(parent), QString::fromLatin1(name));
  result->setAutoDefault(true);  // Enter presses the button that has the focus
  return result;
}

QString utf8(const std::string& text) { return QString::fromStdString(text); }

// The spacing between the rows of a group of options.
constexpr int CloseRows = 2;

// The example contact and texts the two sample labels are drawn with.
LabelContact sampleContact() { return {"06/06/26", "F4KLM", "09:41", "7.0 Mhz", "SSB", "59"}; }

LabelTexts sampleTexts() {
  return {"F8XYZ", "FT-991A", "Long wire", "DFCF 35-012", Cp1252::fromUtf8("Château de Combourg"),
          "3508",  "35270",   "Combourg"};
}

// A label's print sequence as rich text: each line at a size in proportion.
QString sampleText(LabelType type, bool french) {
  QString html = QStringLiteral("<div style=\"font-family:'Courier New',monospace; white-space:pre\">");
  for (const LabelPrintLine& line :
       labelPrintLines(type, 1, LabelSide::Left, sampleContact(), sampleTexts(), qslText(1, french), french)) {
    const QString text = Cp1252::toQString(line.line.text).toHtmlEscaped();
    html += QStringLiteral("<div style=\"font-size:%1pt;%2\">%3</div>")
                .arg(line.points * 0.62, 0, 'f', 1)
                .arg(line.bold ? QStringLiteral(" font-weight:bold;") : QString())
                .arg(text.isEmpty() ? QStringLiteral("&nbsp;") : text);
  }
  return html + QStringLiteral("</div>");
}

}  // namespace

Etiquettes::Etiquettes(AppState& state, Printer& printer, const LabelSelection& selection, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), printer_(printer), selection_(selection) {
  setObjectName(QStringLiteral("Etiquettes"));
  setAttribute(Qt::WA_DeleteOnClose);
  buildControls();
}

void Etiquettes::buildControls() {
  auto* layout = new QVBoxLayout(this);
  buildTitle(layout);
  // The label types over the activation, the options over the station.
  auto* columns = new QHBoxLayout;
  layout->addLayout(columns);
  QVBoxLayout* types = buildTypes();
  QVBoxLayout* options = buildOptions();
  columns->addLayout(types);
  columns->addLayout(options);
  buildTexts(types, options);
  buildButtons(layout);

  QWidget* order[] = {Type_Etiquette[0], Type_Etiquette[1], F_Etiquette[0], Ct_V,   Arret_Imp,   StartLabel, QSL[0],
                      Num_Activ,         Nom_Activite,      Num_Canton,     Num_CP, Nom_Commune, Effacer,    Rx_Tx,
                      Antenne,           Selection,         Preview,        Imprime};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void Etiquettes::buildTitle(QVBoxLayout* layout) {
  Label1 = label(this, "Label1");
  QFont title = Label1->font();
  title.setBold(true);
  title.setPointSizeF(title.pointSizeF() * 1.4);
  Label1->setFont(title);
  Label1->setAlignment(Qt::AlignCenter);
  layout->addWidget(Label1);

  auto* station = new QHBoxLayout;
  indicaCaption = label(this, "indicaCaption");
  Indica = label(this, "Indica");
  QFont callFont = Indica->font();
  callFont.setBold(true);
  Indica->setFont(callFont);
  station->addWidget(indicaCaption);
  station->addWidget(Indica);
  station->addStretch();
  layout->addLayout(station);
}

// The two label types, each over its sample.
QVBoxLayout* Etiquettes::buildTypes() {
  auto* types = new QVBoxLayout;
  auto* typeGroup = new QButtonGroup(this);
  std::array<QLabel**, 2> samples{&individualSample, &castleSample};
  for (std::size_t i = 0; i < Type_Etiquette.size(); ++i) {
    Type_Etiquette[i] = named(new QRadioButton(this), QStringLiteral("Type_Etiquette_%1").arg(i + 2));
    typeGroup->addButton(Type_Etiquette[i]);
    QLabel* sample =
        named(new QLabel(this), i == 0 ? QStringLiteral("individualSample") : QStringLiteral("castleSample"));
    sample->setTextFormat(Qt::RichText);
    sample->setFrameShape(QFrame::Box);
    sample->setAutoFillBackground(true);
    QPalette paper = sample->palette();
    paper.setColor(QPalette::Window, Qt::white);
    paper.setColor(QPalette::WindowText, Qt::black);
    sample->setPalette(paper);
    sample->setContentsMargins(6, 4, 6, 4);
    *samples[i] = sample;
    types->addWidget(Type_Etiquette[i]);
    types->addWidget(sample);
  }
  return types;
}

// The sheet format, the print options and the QSL text.  Their rows sit
// close together, so that the window fits a 720-pixel-high screen.
QVBoxLayout* Etiquettes::buildOptions() {
  auto* options = new QVBoxLayout;
  formatFrame = frame(this, "formatFrame");
  auto* formats = new QVBoxLayout(formatFrame);
  formats->setSpacing(CloseRows);
  for (std::size_t i = 0; i < F_Etiquette.size(); ++i) {
    F_Etiquette[i] = named(new QRadioButton(formatFrame), QStringLiteral("F_Etiquette_%1").arg(i + 1));
    formats->addWidget(F_Etiquette[i]);
    connect(F_Etiquette[i], &QRadioButton::toggled, this, [this](bool checked) {
      if (checked) fitStartLabel();
    });
  }
  options->addWidget(formatFrame);

  printOptionsFrame = frame(this, "printOptionsFrame");
  auto* print = new QGridLayout(printOptionsFrame);
  print->setVerticalSpacing(CloseRows);
  for (std::size_t i = 0; i < adviceLines.size(); ++i) {
    adviceLines[i] = named(new QLabel(printOptionsFrame), QStringLiteral("adviceLine%1").arg(i + 1));
    print->addWidget(adviceLines[i], static_cast<int>(i), 0, 1, 3);
  }
  ctVCaption = label(printOptionsFrame, "ctVCaption");
  Ct_V = named(new QComboBox(printOptionsFrame), QStringLiteral("Ct_V"));
  ctVCaption->setBuddy(Ct_V);
  ctVUnit = label(printOptionsFrame, "ctVUnit");
  print->addWidget(ctVCaption, 4, 0);
  print->addWidget(Ct_V, 4, 1);
  print->addWidget(ctVUnit, 4, 2);
  Arret_Imp = named(new QCheckBox(printOptionsFrame), QStringLiteral("Arret_Imp"));
  print->addWidget(Arret_Imp, 5, 0, 1, 3);
  startLabelCaption = label(printOptionsFrame, "startLabelCaption");
  StartLabel = named(new QSpinBox(printOptionsFrame), QStringLiteral("StartLabel"));
  startLabelCaption->setBuddy(StartLabel);
  print->addWidget(startLabelCaption, 6, 0);
  print->addWidget(StartLabel, 6, 1);
  print->setColumnStretch(2, 1);
  options->addWidget(printOptionsFrame);

  qslFrame = frame(this, "qslFrame");
  auto* qsl = new QVBoxLayout(qslFrame);
  qsl->setSpacing(CloseRows);
  for (std::size_t i = 0; i < QSL.size(); ++i) {
    QSL[i] = named(new QRadioButton(qslFrame), QStringLiteral("QSL_%1").arg(i + 1));
    qsl->addWidget(QSL[i]);
  }
  options->addWidget(qslFrame);
  return options;
}

// The texts printed on the labels: the activation's under the label types,
// the station's under the options.
void Etiquettes::buildTexts(QVBoxLayout* types, QVBoxLayout* options) {
  activationFrame = frame(this, "activationFrame");
  auto* activation = new QGridLayout(activationFrame);
  stationFrame = frame(this, "stationFrame");
  auto* stationTexts = new QGridLayout(stationFrame);
  static constexpr std::array<const char*, LabelFields.size()> FieldNames{
      "Num_Activ", "Nom_Activite", "Num_Canton", "Num_CP", "Nom_Commune", "Rx_Tx", "Antenne"};
  std::array<QLineEdit**, LabelFields.size()> members{&Num_Activ,   &Nom_Activite, &Num_Canton, &Num_CP,
                                                      &Nom_Commune, &Rx_Tx,        &Antenne};
  for (std::size_t i = 0; i < LabelFields.size(); ++i) {
    const bool activationField = i < 5;
    QGroupBox* owner = activationField ? activationFrame : stationFrame;
    QGridLayout* grid = activationField ? activation : stationTexts;
    const QString name = QString::fromLatin1(FieldNames[i]);
    *members[i] = named(new QLineEdit(owner), name);
    fieldCaptions[i] = named(new QLabel(owner), name + QStringLiteral("Caption"));
    fieldCaptions[i]->setBuddy(*members[i]);
    const int row = static_cast<int>(activationField ? i : i - 5);
    grid->addWidget(fieldCaptions[i], row, 0);
    grid->addWidget(*members[i], row, 1);
    (*members[i])->installEventFilter(this);
    // Wide enough for what the field takes (the longest ones scroll a little).
    const auto characters = static_cast<int>(std::min<std::size_t>(labelFieldRule(LabelFields[i]).maximum, 28));
    (*members[i])->setMinimumWidth((*members[i])->fontMetrics().averageCharWidth() * (characters + 2));
  }
  Effacer = button(activationFrame, "Effacer");
  activation->addWidget(Effacer, 5, 1, Qt::AlignRight);
  types->addWidget(activationFrame);
  types->addStretch();
  options->addWidget(stationFrame);
  options->addStretch();
  connect(Effacer, &QPushButton::clicked, this, &Etiquettes::Effacer_Click);
}

void Etiquettes::buildButtons(QVBoxLayout* layout) {
  auto* buttons = new QHBoxLayout;
  Selection = button(this, "Selection");
  Preview = button(this, "Preview");
  Imprime = button(this, "Imprime");
  buttons->addWidget(Selection);
  buttons->addStretch();
  buttons->addWidget(Preview);
  buttons->addWidget(Imprime);
  layout->addLayout(buttons);

  connect(Imprime, &QPushButton::clicked, this, &Etiquettes::Imprime_Click);
  connect(Preview, &QPushButton::clicked, this, &Etiquettes::Preview_Click);
  connect(Selection, &QPushButton::clicked, this, &Etiquettes::Selection_Click);
}

QLineEdit* Etiquettes::field(LabelField which) const {
  switch (which) {
    case LabelField::Num_Activ:
      return Num_Activ;
    case LabelField::Nom_Activite:
      return Nom_Activite;
    case LabelField::Num_Canton:
      return Num_Canton;
    case LabelField::Num_CP:
      return Num_CP;
    case LabelField::Nom_Commune:
      return Nom_Commune;
    case LabelField::Rx_Tx:
      return Rx_Tx;
    case LabelField::Antenne:
      break;
  }
  return Antenne;
}

void Etiquettes::setCaptions() {
  const bool french = state_.french();
  setWindowTitle(pick(french, "    Impression d'étiquettes pour QSL", "    Printing labels for QSL"));
  Label1->setText(pick(french, "Impression d'étiquettes pour QSL", "Printing labels for QSL"));
  indicaCaption->setText(pick(french, "Indicatif", "Callsign"));
  Type_Etiquette[0]->setText(
      pick(french, "A utiliser pour oprerateur indivuduel ou un S&WL", "Use for individual operator and S&WL"));
  Type_Etiquette[1]->setText(
      pick(french, "A utiliser pour un operateur de C&hateau", "&Use for an operator of Castle"));
  formatFrame->setTitle(pick(french, "Format des étiquettes", "Format labels"));
  // The sheets' captions keep their runs of blanks, in both languages.
  F_Etiquette[0]->setText(QStringLiteral("AVERY L716&2                 99.1 x 33.9     16 Etiquettes"));
  F_Etiquette[1]->setText(QStringLiteral("DECADRY OLW &4732       99.1 x 34     16 Etiquettes"));
  F_Etiquette[2]->setText(QStringLiteral("AVERY DP 167                  &105 x 37      16 Etiquettes"));
  F_Etiquette[3]->setText(QStringLiteral("AVERY L716&3                 99.1 x 38.1     14 Etiquettes"));
  F_Etiquette[4]->setText(pick(french, "Impression directe &sur QSL ", "QSL &direct printing on"));
  printOptionsFrame->setTitle(pick(french, "Options d'impression", "Print Options"));
  const std::array<QString, 4> advice{
      pick(french, "Avant impression des étiquettes", "Before printing labels"),
      pick(french, "effectuez une impression sur une feuille", "make an impression on a sheet"),
      pick(french, "Corrigez  éventuellement avec la fonction", "Correct with the function"),
      pick(french, "'Décalage vertical feuille' ci dessous", "'Vertical offset sheet' below")};
  for (std::size_t i = 0; i < adviceLines.size(); ++i) adviceLines[i]->setText(advice[i]);
  ctVCaption->setText(pick(french, "Décala&ge vertical feuille", "&Vertical offset sheet"));
  ctVUnit->setText(pick(french, "ligne", "line"));
  Arret_Imp->setText(pick(french, "Arret impression a chaque &feuille", "Stop printing &each sheet"));
  startLabelCaption->setText(pick(french, "Commencer à &l'étiquette", "&Start at label"));
  qslFrame->setTitle(pick(french, "Selection texte QSL", "QSL text selection"));
  QSL[0]->setText(pick(french, "&Merci pour le QSO  Pse QSL", "Tnx for the &QSO  Pse QSL"));
  QSL[1]->setText(pick(french, "Merci pour le &QSO et pour  la QSL", "Tnx for the QSO and for &your QSL"));
  QSL[2]->setText(pick(french, "Merci po&ur le QSO  pas de QSL", "Tnx &for the QSO no QSL"));
  activationFrame->setTitle(pick(french, "Options de l'activation", "Options activation"));
  stationFrame->setTitle(pick(french, "Options station", "Options station"));
  const std::array<QString, LabelFields.size()> captions{pick(french, "N°&de l'activité", "N° act&ivity"),
                                                         pick(french, "Nom de l'acti&vité", "Na&me of activity"),
                                                         pick(french, "&N° du Canton", "&N° of Canton"),
                                                         pick(french, "C&ode postal", "C&ode postal"),
                                                         pick(french, "&Commune", "&Town"),
                                                         pick(french, "&Transceiver ", "T&ransceiver "),
                                                         pick(french, "&Antenne", "&Antenna")};
  for (std::size_t i = 0; i < captions.size(); ++i) fieldCaptions[i]->setText(captions[i]);
  Effacer->setText(pick(french, "&Effacer", "&Clear"));
  Selection->setText(pick(french, "&Retour sélection QSO", "&Back QSO selection"));
  Preview->setText(pick(french, "A&perçu", "&Preview"));
  Imprime->setText(pick(french, "&Imprimer les étiquettes", "Print &labels"));
  giveAltKeys(this);
}

void Etiquettes::showSamples() {
  const bool french = state_.french();
  individualSample->setText(sampleText(LabelType::Individual, french));
  castleSample->setText(sampleText(LabelType::Castle, french));
}

void Etiquettes::Form_Load() {
  setCaptions();
  showSamples();
  Ct_V->clear();
  Ct_V->addItems({QStringLiteral("-1"), QStringLiteral("-0,5"), QStringLiteral("0"), QStringLiteral("+0,5"),
                  QStringLiteral("+1")});
  Indica->setText(displayCallsignText(state_.StationCall));
  applySettings(readLabelSettings(state_.settings, state_.StationCall));
  setAwaiting(Num_Activ);
  setAwaiting(Rx_Tx);
  adjustSize();
  centreOnScreen(this);
}

void Etiquettes::applySettings(const LabelSettings& settings) {
  Num_Activ->setText(utf8(settings.activityNumber));
  Nom_Activite->setText(utf8(settings.activityName));
  Num_Canton->setText(utf8(settings.cantonNumber));
  Num_CP->setText(utf8(settings.postCode));
  Nom_Commune->setText(utf8(settings.town));
  Rx_Tx->setText(utf8(settings.transceiver));
  Antenne->setText(utf8(settings.antenna));
  // Neither type may be checked: the group lets go of both for a moment.
  QButtonGroup* types = Type_Etiquette[0]->group();
  types->setExclusive(false);
  Type_Etiquette[0]->setChecked(settings.type == LabelType::Individual);
  Type_Etiquette[1]->setChecked(settings.type == LabelType::Castle);
  types->setExclusive(true);
  F_Etiquette[static_cast<std::size_t>(settings.format - 1)]->setChecked(true);
  QSL[static_cast<std::size_t>(settings.qslOption - 1)]->setChecked(true);
  Ct_V->setCurrentIndex(settings.verticalOffset);
  fitStartLabel();
  StartLabel->setValue(1);
}

void Etiquettes::fitStartLabel() {
  StartLabel->setRange(1, sheetGeometry(settingsOfControls().format).labelsPerSheet());
}

LabelSettings Etiquettes::settingsOfControls() const {
  LabelSettings settings;
  settings.activityNumber = Num_Activ->text().toStdString();
  settings.activityName = Nom_Activite->text().toStdString();
  settings.cantonNumber = Num_Canton->text().toStdString();
  settings.postCode = Num_CP->text().toStdString();
  settings.town = Nom_Commune->text().toStdString();
  settings.transceiver = Rx_Tx->text().toStdString();
  settings.antenna = Antenne->text().toStdString();
  settings.type = Type_Etiquette[0]->isChecked()   ? LabelType::Individual
                  : Type_Etiquette[1]->isChecked() ? LabelType::Castle
                                                   : LabelType::None;
  for (std::size_t i = 0; i < F_Etiquette.size(); ++i) {
    if (F_Etiquette[i]->isChecked()) settings.format = static_cast<int>(i) + 1;
  }
  for (std::size_t i = 0; i < QSL.size(); ++i) {
    if (QSL[i]->isChecked()) settings.qslOption = static_cast<int>(i) + 1;
  }
  settings.verticalOffset = std::max(0, Ct_V->currentIndex());
  return settings;
}

LabelJob Etiquettes::jobOfControls() const {
  const LabelSettings settings = settingsOfControls();
  LabelJob job;
  job.type = settings.type;
  job.format = settings.format;
  job.qslOption = settings.qslOption;
  job.verticalOffset = settings.verticalOffset;
  job.startLabel = StartLabel->value();
  job.french = state_.french();
  job.texts.stationCall = state_.StationCall;
  job.texts.transceiver = Cp1252::fromQString(Rx_Tx->text());
  job.texts.antenna = Cp1252::fromQString(Antenne->text());
  job.texts.activityNumber = Cp1252::fromQString(Num_Activ->text());
  job.texts.activityName = Cp1252::fromQString(Nom_Activite->text());
  job.texts.cantonNumber = Cp1252::fromQString(Num_Canton->text());
  job.texts.postCode = Cp1252::fromQString(Num_CP->text());
  job.texts.town = Cp1252::fromQString(Nom_Commune->text());
  return job;
}

bool Etiquettes::textsCanBePrinted() {
  if (const std::optional<QString> refusal = checkAntennaForPrint(Antenne->text())) {
    state_.dialogs.message(*refusal);
    return false;
  }
  for (LabelField which : LabelFields) {
    if (const std::optional<QString> character = Cp1252::firstUnencodable(field(which)->text())) {
      state_.dialogs.message(unencodableCharacterMessage(state_.french(), *character));
      field(which)->setFocus();
      return false;
    }
  }
  return true;
}

bool Etiquettes::jobHasLabels(const LabelJob& job) {
  if (const std::optional<QString> missing = checkSomethingToPrint(selection_.chosenCount(), job.type, job.french)) {
    state_.dialogs.message(*missing);
    return false;
  }
  return true;
}

void Etiquettes::Imprime_Click() {
  if (!textsCanBePrinted()) return;
  const bool french = state_.french();
  if (Status saved = saveLabelSettings(state_.settings, state_.StationCall, settingsOfControls()); !saved) {
    state_.dialogs.message(outputWriteFailure(french, saved.error(), state_.settings.fileOf(Settings::Application)));
  }
  const LabelJob job = jobOfControls();
  if (!jobHasLabels(job)) return;
  const LabelPaper paper(printer_, sheetGeometry(job.format));
  if (!state_.dialogs.choosePrinter(printer_.device())) return;
  const QString question =
      job.format == 3 ? QStringLiteral("               Page suivante ?") : QStringLiteral("Page suivante ?");
  std::function<bool()> askNext;
  if (Arret_Imp->isChecked()) askNext = [this, &question] { return state_.dialogs.yesNo(question); };
  if (!printLabelSheets(printer_, labelSheets(selection_.chosenLines(), job), askNext)) {
    state_.dialogs.message(printFailureMessage(french));
  }
  setAwaiting(Num_Activ);
  setAwaiting(Rx_Tx);
}

void Etiquettes::Preview_Click() {
  if (!textsCanBePrinted()) return;
  const LabelJob job = jobOfControls();
  if (!jobHasLabels(job)) return;
  const LabelPaper paper(printer_, sheetGeometry(job.format));
  previewLabelSheets(printer_, state_.dialogs, labelSheets(selection_.chosenLines(), job));
}

void Etiquettes::Effacer_Click() {
  for (QLineEdit* activation : {Num_Activ, Nom_Activite, Num_Canton, Num_CP, Nom_Commune}) activation->clear();
}

void Etiquettes::Selection_Click() { close(); }

void Etiquettes::fieldEnter(LabelField which) {
  QLineEdit* entry = field(which);
  if (const std::optional<QString> refusal = checkLabelField(which, entry->text(), state_.french())) {
    state_.dialogs.message(*refusal);
    entry->setFocus();
    return;
  }
  if (which == LabelField::Nom_Commune || which == LabelField::Antenne) {
    Imprime->setFocus();
    return;
  }
  setAccepted(entry);
  QLineEdit* next = field(static_cast<LabelField>(static_cast<int>(which) + 1));
  next->setEnabled(true);
  setAwaiting(next);
  next->setFocus();
}

bool Etiquettes::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto& key = static_cast<const QKeyEvent&>(*event);
    for (LabelField which : LabelFields) {
      if (watched != field(which)) continue;
      if (isEnterKey(key)) {
        fieldEnter(which);
        return true;
      }
      const QString typed = key.text();
      if (labelFieldRule(which).capitals && typed.size() == 1 && typed.front() >= u'a' && typed.front() <= u'z') {
        field(which)->insert(typed.toUpper());
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void Etiquettes::keyPressEvent(QKeyEvent* event) {
  if (!closeOnEscape(*this, *event)) QWidget::keyPressEvent(event);
}

}  // namespace brivant
