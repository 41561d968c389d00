#include "stats/ui/Statistique_DFCF.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/Language.h"
#include "core/LogFile.h"
#include "core/MainCaptions.h"
#include "core/MissingFile.h"
#include "core/Text.h"
#include "core/ui/Centre.h"
#include "core/ui/KeyboardAccess.h"
#include "platform/Cp1252.h"
#include "stats/CastleStats.h"
#include "stats/ui/StatsControls.h"

namespace brivant {

namespace {

// Where each field of a list line starts (0-based character): after 2
// blanks, the reference (15), the name (30), the date (10), the callsign.
constexpr int ReferenceAt = 2;
constexpr int NameAt = 17;
constexpr int DateAt = 47;
constexpr int CallsignAt = 57;

}  // namespace

Statistique_DFCF::Statistique_DFCF(AppState& state, StatsHooks hooks, QWidget* parent)
    : StatsWindow(state, std::move(hooks), QStringLiteral("Statistique_DFCF"), parent) {
  auto* layout = new QVBoxLayout(this);

  addChoiceRow(this, layout, {&Label3, "Label3", &Mode_A, "Mode_A", &Label2, "Label2", &Bande_E, "Bande_E", &Afficher});

  Liste_Chateaux = fixedPitchList(this, QStringLiteral("Liste_Chateaux"), CastleStatWidth, 20);

  // The column heads stand over the fields of the lines.
  heads_ = new QWidget(this);
  heads_->setObjectName(QStringLiteral("Heads"));
  Label5 = namedLabel(heads_, QStringLiteral("Label5"));
  Label8 = namedLabel(heads_, QStringLiteral("Label8"));
  Label7 = namedLabel(heads_, QStringLiteral("Label7"));
  Label6 = namedLabel(heads_, QStringLiteral("Label6"));
  heads_->setFixedHeight(Label5->sizeHint().height());
  layout->addWidget(heads_);
  layout->addWidget(Liste_Chateaux, 1);
  connect(Liste_Chateaux->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { placeHeads(); });

  auto* total = new QHBoxLayout;
  TotActiv = namedLabel(this, QStringLiteral("TotActiv"));
  Label17 = namedLabel(this, QStringLiteral("Label17"));
  Label9 = namedLabel(this, QStringLiteral("Label9"));
  BandActiv = namedLabel(this, QStringLiteral("BandActiv"));
  for (QLabel* label : {TotActiv, Label17, Label9, BandActiv}) total->addWidget(label);
  total->addStretch(1);
  layout->addLayout(total);

  connect(Afficher, &QPushButton::clicked, this, &Statistique_DFCF::Afficher_Click);
}

void Statistique_DFCF::Form_Load() {
  const bool french = state_.french();
  setWindowTitle(pick(french, "Statistiques des activations contactées", "Statistics activations contacted"));
  Label3->setText(QStringLiteral("&Mode"));
  Label2->setText(pick(french, "&Bande", "&Band"));
  Label5->setText(pick(french, "N° Activation", "Activity number"));
  Label8->setText(pick(french, "Nom Activation", "Activity name"));
  Label7->setText(QStringLiteral("Date"));
  Label6->setText(pick(french, "Indicatif", "Callsign"));
  Label17->setText(pick(french, "activations contactées sur", "Activations contacted on"));
  Label9->setText(QStringLiteral("Bande"));
  Afficher->setText(pick(french, "&Afficher", "&Display"));
  fillModes(Mode_A);
  Mode_A->setCurrentIndex(0);
  fillBands(Bande_E);
  Bande_E->setCurrentIndex(0);
  selectIndex(Bande_E, storedBandIndex(state_));
  Liste_Chateaux->clear();
  TotActiv->clear();
  BandActiv->clear();
  for (QLabel* head : {Label5, Label8, Label7, Label6}) head->adjustSize();
  giveAltKeys(this);
  adjustSize();
  centreOnScreen(this);
  Mode_A->setFocus(Qt::OtherFocusReason);
}

void Statistique_DFCF::Afficher_Click() {
  const std::string band(trimBlanks(Cp1252::fromQString(Bande_E->currentText())));
  BandActiv->setText(Cp1252::toQString(band));
  Liste_Chateaux->clear();
  const Result<std::vector<std::string>> lines =
      castleStatLines(state_.programDir, state_.StationCall, band, Cp1252::fromQString(Mode_A->currentText()));
  if (!lines) {
    TotActiv->setText(QStringLiteral("0"));
    reportFileError(state_, hooks_, lines.error(), MissingFileLabel::Log);
    return;
  }
  showLines(Liste_Chateaux, *lines);
  TotActiv->setText(QString::number(lines->size()));
  if (hooks_.refreshContactCount) hooks_.refreshContactCount();
}

void Statistique_DFCF::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  placeHeads();
}

void Statistique_DFCF::placeHeads() {
  const QFontMetrics fixed(Liste_Chateaux->font());
  const int inset = listTextStart(Liste_Chateaux, heads_);
  const std::pair<QLabel*, int> heads[] = {
      {Label5, ReferenceAt}, {Label8, NameAt}, {Label7, DateAt}, {Label6, CallsignAt}};
  for (const auto& [head, at] : heads) head->move(inset + fixed.horizontalAdvance(QString(at, QLatin1Char('M'))), 0);
}

}  // namespace brivant
