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
#include "core/MissingFile.h"
#include "core/Text.h"
#include "core/ui/Centre.h"
#include "platform/Cp1252.h"
#include "stats/CastleStats.h"
#include "stats/ui/StatsControls.h"

namespace brivant {

namespace {

// Where each field of a list line starts (0-based character), and the width
// of a line: 2 + 15 + 30 + 10 + 12.
constexpr int ReferenceAt = 2;
constexpr int NameAt = 17;
constexpr int DateAt = 47;
constexpr int CallsignAt = 57;
constexpr int LineWidth = 69;

QLabel* namedLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

}  // namespace

Statistique_DFCF::Statistique_DFCF(AppState& state, StatsHooks hooks, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), hooks_(std::move(hooks)) {
  setObjectName(QStringLiteral("Statistique_DFCF"));
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);

  auto* choices = new QHBoxLayout;
  Label3 = namedLabel(this, "Label3");
  Mode_A = new QComboBox(this);
  Mode_A->setObjectName(QStringLiteral("Mode_A"));
  Label3->setBuddy(Mode_A);
  Label2 = namedLabel(this, "Label2");
  Bande_E = new QComboBox(this);
  Bande_E->setObjectName(QStringLiteral("Bande_E"));
  Label2->setBuddy(Bande_E);
  Afficher = new QPushButton(this);
  Afficher->setObjectName(QStringLiteral("Afficher"));
  for (QWidget* control : std::initializer_list<QWidget*>{Label3, Mode_A, Label2, Bande_E, Afficher})
    choices->addWidget(control);
  choices->addStretch(1);
  layout->addLayout(choices);

  Liste_Chateaux = new QListWidget(this);
  Liste_Chateaux->setObjectName(QStringLiteral("Liste_Chateaux"));
  Liste_Chateaux->setFont(fixedPitchFont());
  const QFontMetrics fixed(Liste_Chateaux->font());
  Liste_Chateaux->setMinimumSize(fixed.horizontalAdvance(QString(LineWidth + 4, QLatin1Char('M'))),
                                 fixed.height() * 20);

  // The column heads stand over the fields of the lines.
  heads_ = new QWidget(this);
  heads_->setObjectName(QStringLiteral("Heads"));
  Label5 = namedLabel(heads_, "Label5");
  Label8 = namedLabel(heads_, "Label8");
  Label7 = namedLabel(heads_, "Label7");
  Label6 = namedLabel(heads_, "Label6");
  heads_->setFixedHeight(Label5->sizeHint().height());
  layout->addWidget(heads_);
  layout->addWidget(Liste_Chateaux, 1);
  connect(Liste_Chateaux->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { placeHeads(); });

  auto* total = new QHBoxLayout;
  TotActiv = namedLabel(this, "TotActiv");
  Label17 = namedLabel(this, "Label17");
  Label9 = namedLabel(this, "Label9");
  BandActiv = namedLabel(this, "BandActiv");
  for (QLabel* label : {TotActiv, Label17, Label9, BandActiv}) total->addWidget(label);
  total->addStretch(1);
  layout->addLayout(total);

  connect(Afficher, &QPushButton::clicked, this, &Statistique_DFCF::Afficher_Click);
  enterClicks(this, Afficher);
  closeOnEscape(this);
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
  QStringList items;
  items.reserve(static_cast<qsizetype>(lines->size()));
  for (const std::string& line : *lines) items.push_back(Cp1252::toQString(line));
  Liste_Chateaux->addItems(items);
  TotActiv->setText(QString::number(lines->size()));
  // The main window's contact number follows the list it shows.
  state_.QsoCount = static_cast<int>(hooks_.lines().size());
  if (hooks_.showFrame4Caption) hooks_.showFrame4Caption(frame4Caption(state_.french(), state_.QsoCount));
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
