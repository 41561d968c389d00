#include "outputs/ui/Recapitulation.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/Language.h"
#include "core/ui/Centre.h"
#include "core/ui/KeyboardAccess.h"
#include "outputs/OutputText.h"
#include "outputs/ui/PrintJob.h"
#include "outputs/ui/SavePrintButtons.h"
#include "platform/Cp1252.h"

namespace brivant {

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text = {}) {
  auto* result = new QLabel(text, parent);
  result->setObjectName(QString::fromLatin1(name));
  return result;
}

QLineEdit* box(QWidget* parent, const QString& name, int width = 0) {
  auto* result = new QLineEdit(parent);
  result->setObjectName(name);
  if (width > 0) result->setFixedWidth(width);
  return result;
}

QLineEdit* head(QWidget* parent, const QString& name, const QString& text) {
  QLineEdit* result = box(parent, name);
  result->setText(text);
  result->setMinimumWidth(result->fontMetrics().horizontalAdvance(text) + 16);
  result->setReadOnly(true);
  result->setFocusPolicy(Qt::NoFocus);
  return result;
}

}  // namespace

Recapitulation::Recapitulation(AppState& state, Printer& printer, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), printer_(printer) {
  setObjectName(QStringLiteral("Recapitulation"));
  setAttribute(Qt::WA_DeleteOnClose);
  buildControls();
}

void Recapitulation::buildControls() {
  auto* layout = new QVBoxLayout(this);
  Label13 = label(this, "Label13");
  QFont titleFont = Label13->font();
  titleFont.setBold(true);
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
  Label13->setFont(titleFont);
  Label13->setAlignment(Qt::AlignCenter);
  layout->addWidget(Label13);

  buildIdentity(layout);
  buildCategory(layout);
  buildScoreTable(layout);

  const SavePrintButtons buttons = addSavePrintButtons(this, layout);
  Enregistrer = buttons.Enregistrer;
  Imprimer = buttons.Imprimer;
  Quitter = buttons.Quitter;
  connect(Enregistrer, &QPushButton::clicked, this, &Recapitulation::Enregistrer_Click);
  connect(Imprimer, &QPushButton::clicked, this, &Recapitulation::Imprimer_Click);
  connect(Quitter, &QPushButton::clicked, this, &Recapitulation::Quitter_Click);
}

// Who sends the sheet: name, first name, callsign and address.
void Recapitulation::buildIdentity(QVBoxLayout* layout) {
  auto* identity = new QGridLayout;
  Label6 = label(this, "Label6");
  Nom = box(this, QStringLiteral("Nom"));
  Label5 = label(this, "Label5");
  Prenom = box(this, QStringLiteral("Prenom"));
  Label4 = label(this, "Label4");
  Indicatif = box(this, QStringLiteral("Indicatif"));
  Label3 = label(this, "Label3");
  Adresse1 = box(this, QStringLiteral("Adresse1"));
  Label1 = label(this, "Label1");
  Adresse2 = box(this, QStringLiteral("Adresse2"));
  Label2 = label(this, "Label2");
  Pays = box(this, QStringLiteral("Pays"));
  identity->addWidget(Label6, 0, 0);
  identity->addWidget(Nom, 0, 1);
  identity->addWidget(Label5, 0, 2);
  identity->addWidget(Prenom, 0, 3);
  identity->addWidget(Label4, 0, 4);
  identity->addWidget(Indicatif, 0, 5);
  identity->addWidget(Label3, 1, 0);
  identity->addWidget(Adresse1, 1, 1, 1, 5);
  identity->addWidget(Label1, 2, 0);
  identity->addWidget(Adresse2, 2, 1, 1, 3);
  identity->addWidget(Label2, 2, 4);
  identity->addWidget(Pays, 2, 5);
  layout->addLayout(identity);
}

// The category the station worked in, and its castle, town and operators.
void Recapitulation::buildCategory(QVBoxLayout* layout) {
  auto* category = new QGroupBox(this);
  category->setObjectName(QStringLiteral("Frame1"));
  auto* categoryLayout = new QGridLayout(category);
  Label11 = label(category, "Label11");
  categoryLayout->addWidget(Label11, 0, 2, 1, 2);
  for (std::size_t i = 0; i < Option1.size(); ++i) {
    Option1[i] = new QRadioButton(category);
    Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i + 1));
    categoryLayout->addWidget(Option1[i], static_cast<int>(i) + 1, 0);
    connect(Option1[i], &QRadioButton::clicked, this, &Recapitulation::Option1_Click);
  }
  Label9 = label(category, "Label9");
  Reference = box(category, QStringLiteral("Reference"));
  Label10 = label(category, "Label10");
  Commune = box(category, QStringLiteral("Commune"));
  Label15 = label(category, "Label15");
  Operateurs = box(category, QStringLiteral("Operateurs"));
  int fieldRow = 1;
  for (auto [caption, field] : {std::pair{Label9, Reference}, {Label10, Commune}, {Label15, Operateurs}}) {
    categoryLayout->addWidget(caption, fieldRow, 2);
    categoryLayout->addWidget(field, fieldRow++, 3);
  }
  categoryLayout->setColumnMinimumWidth(1, 16);
  categoryLayout->setColumnStretch(3, 1);
  layout->addWidget(category);
}

// The score band by band and mode by mode, the totals and the points.
void Recapitulation::buildScoreTable(QVBoxLayout* layout) {
  auto* table = new QGridLayout;
  table->setHorizontalSpacing(2);
  table->setVerticalSpacing(2);
  Text9 = head(this, QStringLiteral("Text9"), {});
  table->addWidget(Text9, 0, 0);
  static constexpr std::array<const char*, 5> HeadNames{"Text14", "Text13", "Text12", "Text11", "Text10"};
  static constexpr std::array<const char*, 5> HeadTexts{"Nb QSO", "Nb Points/QSO", "Multi Chx (x10)", "Multi Dpts (x1)",
                                                        "Multi DXCC (x1)"};
  for (std::size_t column = 0; column < columnHeads.size(); ++column) {
    columnHeads[column] = head(this, QString::fromLatin1(HeadNames[column]), QString::fromLatin1(HeadTexts[column]));
    table->addWidget(columnHeads[column], 0, static_cast<int>(column) + 1);
  }
  static constexpr std::array<const char*, 10> RowHeadNames{"Bande_0", "Bande_1", "Bande_2", "Bande_3", "Bande_4",
                                                            "Text19",  "Text18",  "Text17",  "Text16",  "Text15"};
  static constexpr std::array<const char*, 10> RowHeadTexts{"3.5 Mhz SSB", "7.0 Mhz SSB", "14 MHz SSB", "21 MHz SSB",
                                                            "28 MHz SSB",  "3.5 MHz CW",  "7.0 MHz CW", "14 MHz CW",
                                                            "21 MHz CW",   "28 MHz CW"};
  for (std::size_t row = 0; row < rowHeads.size(); ++row) {
    const int gridRow = static_cast<int>(row) + 1;
    rowHeads[row] = head(this, QString::fromLatin1(RowHeadNames[row]), QString::fromLatin1(RowHeadTexts[row]));
    table->addWidget(rowHeads[row], gridRow, 0);
    const QString number = QString::number(row + 1);
    QSO[row] = box(this, QStringLiteral("QSO") + number);
    Point[row] = box(this, QStringLiteral("Point") + number);
    MCT[row] = box(this, QStringLiteral("MCT") + number);
    MDP[row] = box(this, QStringLiteral("MDP") + number);
    MPV[row] = box(this, QStringLiteral("MPV") + number);
    int column = 1;
    for (QLineEdit* cell : {QSO[row], Point[row], MCT[row], MDP[row], MPV[row]})
      table->addWidget(cell, gridRow, column++);
  }
  Text25 = head(this, QStringLiteral("Text25"), QStringLiteral("Total"));
  table->addWidget(Text25, 11, 0);
  Tot_QSO = box(this, QStringLiteral("Tot_QSO"));
  Tot_Points = box(this, QStringLiteral("Tot_Points"));
  Tot_MC = box(this, QStringLiteral("Tot_MC"));
  Tot_MD = box(this, QStringLiteral("Tot_MD"));
  Tot_MP = box(this, QStringLiteral("Tot_MP"));
  int column = 1;
  for (QLineEdit* cell : {Tot_QSO, Tot_Points, Tot_MC, Tot_MD, Tot_MP}) table->addWidget(cell, 11, column++);
  Label8 = label(this, "Label8", QStringLiteral("POINTS"));
  Label7 = label(this, "Label7", QStringLiteral("TOTAL :"));
  Total_Points = box(this, QStringLiteral("Total_Points"));
  auto* score = new QHBoxLayout;
  score->addStretch();
  score->addWidget(Label7);
  score->addWidget(Total_Points);
  score->addWidget(Label8);
  table->addLayout(score, 12, 3, 1, 3);
  layout->addLayout(table);
}

void Recapitulation::setCaptions() {
  const bool french = state_.french();
  setWindowTitle(pick(french, "Feuille récapitulative", "Recapitulative sheet"));
  Label13->setText(pick(french, "Journée Nationale des Razeraro du ", "Ravuzore Ruruzav Evu ") +
                   Cp1252::toQString(state_.JncDate));
  const RecapIdentityCaptions captions = identityCaptions(french);
  Label6->setText(captions.nom);
  Label5->setText(captions.prenom);
  Label4->setText(captions.indicatif);
  Label3->setText(captions.adresse1);
  Label1->setText(captions.adresse2);
  Label2->setText(captions.pays);
  Option1[0]->setText(pick(french, "Opérateur de Château en portable", "Operator Castle in /P"));
  Option1[1]->setText(pick(french, "Opérateur de Château (Résident)", "Opérator Castle Resident"));
  Option1[2]->setText(pick(french, "Opérateur individuel et SWL", "Individual operator and SWL"));
  Label11->setText(pick(french, "Opérateur de château :", "Operator Castle :"));
  Label9->setText(captions.reference);
  Label10->setText(captions.commune);
  Label15->setText(captions.operateurs);
  Text9->setText(pick(french, "Bande", "Band"));
  setSavePrintCaptions({Enregistrer, Imprimer, Quitter}, french);
  giveAltKeys(this);
}

Status Recapitulation::Form_Load() {
  adjustSize();
  centreOnScreen(this);
  setCaptions();

  const RecapIdentity identity = readIdentity(state_.settings, state_.StationCall);
  Nom->setText(identity.nom);
  Prenom->setText(identity.prenom);
  Indicatif->setText(identity.indicatif);
  Adresse1->setText(identity.adresse1);
  Adresse2->setText(identity.adresse2);
  Pays->setText(identity.pays);
  Reference->setText(identity.reference);
  Commune->setText(identity.commune);
  Operateurs->setText(identity.operateurs);
  if (identity.categorie == QLatin1String("1") || identity.categorie == QLatin1String("2")) {
    Option1[identity.categorie == QLatin1String("1") ? 0 : 1]->setChecked(true);
    setCastleFields(true);
  } else if (identity.categorie == QLatin1String("3")) {
    Option1[2]->setChecked(true);
    setCastleFields(false);
  }
  return loadTable();
}

Status Recapitulation::loadTable() {
  RecapCells zero;
  for (auto& row : zero.rows) row.fill(QStringLiteral("0"));
  zero.totals.fill(QStringLiteral("0"));
  zero.totalPoints = QStringLiteral("0");
  Result<RecapCells> cells = computeRecapCells(state_.programDir, state_.StationCall);
  showCells(cells ? *cells : zero);
  return cells;
}

void Recapitulation::showCells(const RecapCells& cells) {
  for (std::size_t row = 0; row < RecapRowCount; ++row) {
    const std::array<QLineEdit*, RecapColumnCount> boxes{QSO[row], Point[row], MCT[row], MDP[row], MPV[row]};
    for (std::size_t column = 0; column < RecapColumnCount; ++column) boxes[column]->setText(cells.rows[row][column]);
  }
  const std::array<QLineEdit*, RecapColumnCount> totals{Tot_QSO, Tot_Points, Tot_MC, Tot_MD, Tot_MP};
  for (std::size_t column = 0; column < RecapColumnCount; ++column) totals[column]->setText(cells.totals[column]);
  Total_Points->setText(cells.totalPoints);
}

RecapIdentity Recapitulation::identityOfBoxes() const {
  RecapIdentity identity{Nom->text(),  Prenom->text(),    Indicatif->text(), Adresse1->text(),   Adresse2->text(),
                         Pays->text(), Reference->text(), Commune->text(),   Operateurs->text(), QString()};
  // Tested in this order, as the options are read when the sheet is stored.
  for (std::size_t i = 0; i < Option1.size(); ++i) {
    if (Option1[i]->isChecked()) {
      identity.categorie = QString::number(i + 1);
      break;
    }
  }
  return identity;
}

RecapCells Recapitulation::cellsOfBoxes() const {
  RecapCells cells;
  for (std::size_t row = 0; row < RecapRowCount; ++row) {
    cells.rows[row] = {QSO[row]->text(), Point[row]->text(), MCT[row]->text(), MDP[row]->text(), MPV[row]->text()};
  }
  cells.totals = {Tot_QSO->text(), Tot_Points->text(), Tot_MC->text(), Tot_MD->text(), Tot_MP->text()};
  cells.totalPoints = Total_Points->text();
  return cells;
}

void Recapitulation::setCastleFields(bool castleOperator) {
  for (QLineEdit* field : {Reference, Commune, Operateurs}) {
    if (!castleOperator) field->clear();
    field->setEnabled(castleOperator);
  }
}

void Recapitulation::Option1_Click() {
  if (Option1[0]->isChecked() || Option1[1]->isChecked()) setCastleFields(true);
  if (Option1[2]->isChecked()) setCastleFields(false);
}

bool Recapitulation::prepareSheet(RecapIdentity& identity, RecapCells& cells) {
  const bool french = state_.french();
  identity = identityOfBoxes();
  cells = cellsOfBoxes();
  // Nothing is stored or written while a text cannot go into the 1252 file.
  if (const auto problem = findUnwritableText(identity, cells, french)) {
    state_.dialogs.message(unwritableTextMessage(french, *problem));
    return false;
  }
  if (Status stored = storeIdentity(state_.settings, state_.StationCall, identity); !stored) {
    state_.dialogs.message(outputWriteFailure(french, stored.error(), stored.error().path));
    return false;
  }
  cells.totalPoints = totalPointsText(cells);
  Total_Points->setText(cells.totalPoints);
  return true;
}

void Recapitulation::Enregistrer_Click() {
  RecapIdentity identity;
  RecapCells cells;
  if (!prepareSheet(identity, cells)) return;
  state_.dialogs.message(saveRecapSheet(state_.programDir, state_.StationCall, state_.JncDate, state_.RevisionText,
                                        state_.french(), identity, cells)
                             .message);
}

void Recapitulation::Imprimer_Click() {
  RecapIdentity identity;
  RecapCells cells;
  if (!prepareSheet(identity, cells)) return;
  const bool french = state_.french();
  const auto lines = recapSheetLines(SheetCopy::Printed, french, identity, cells, state_.JncDate, state_.RevisionText);
  if (!printLines(printer_, state_.dialogs, lines)) state_.dialogs.message(printFailureMessage(french));
}

void Recapitulation::Quitter_Click() { close(); }

}  // namespace brivant
