#include "stats/ui/Statistique_Prefixe.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/Language.h"
#include "core/MissingFile.h"
#include "core/ui/Centre.h"
#include "platform/Cp1252.h"
#include "stats/PrefixStats.h"
#include "stats/ui/StatsControls.h"

namespace brivant {

namespace {

// Columns of a line: 2 + 5 + 1 + 35.
constexpr int LineWidth = 43;

}  // namespace

Statistique_Prefixe::Statistique_Prefixe(AppState& state, StatsHooks hooks, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), hooks_(std::move(hooks)) {
  setObjectName(QStringLiteral("Statistique_Prefixe"));
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);
  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  layout->addWidget(Label1);

  auto* choices = new QHBoxLayout;
  Mode_AX = new QComboBox(this);
  Mode_AX->setObjectName(QStringLiteral("Mode_AX"));
  Label2 = new QLabel(this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Bande_E = new QComboBox(this);
  Bande_E->setObjectName(QStringLiteral("Bande_E"));
  Label2->setBuddy(Bande_E);
  Afficher = new QPushButton(this);
  Afficher->setObjectName(QStringLiteral("Afficher"));
  choices->addWidget(Mode_AX);
  choices->addWidget(Label2);
  choices->addWidget(Bande_E);
  choices->addWidget(Afficher);
  choices->addStretch(1);
  layout->addLayout(choices);

  Liste_Prefixes = new QListWidget(this);
  Liste_Prefixes->setObjectName(QStringLiteral("Liste_Prefixes"));
  Liste_Prefixes->setFont(fixedPitchFont());
  const QFontMetrics fixed(Liste_Prefixes->font());
  Liste_Prefixes->setMinimumSize(fixed.horizontalAdvance(QString(LineWidth + 4, QLatin1Char('M'))) +
                                     style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                                 fixed.height() * 20);
  layout->addWidget(Liste_Prefixes, 1);
  PrefixCount = new QLabel(this);
  PrefixCount->setObjectName(QStringLiteral("PrefixCount"));
  layout->addWidget(PrefixCount);

  connect(Afficher, &QPushButton::clicked, this, &Statistique_Prefixe::Afficher_Click);
  enterClicks(this, Afficher);
  closeOnEscape(this);
}

void Statistique_Prefixe::Form_Load() {
  const bool french = state_.french();
  setWindowTitle(pick(french, "Statistiques Prefixes", "Statistics Prefixes"));
  Label1->setText(pick(french, "Prefixes contactés ", "Prefixes contacted"));
  Label2->setText(pick(french, "&Bande", "&Band"));
  Afficher->setText(pick(french, "&Afficher", "&Display"));
  fillModes(Mode_AX);
  fillBands(Bande_E);
  selectIndex(Mode_AX, storedModeIndex(state_));
  selectIndex(Bande_E, storedBandIndex(state_));
  Liste_Prefixes->clear();
  PrefixCount->clear();
  adjustSize();
  centreOnScreen(this);
  Mode_AX->setFocus(Qt::OtherFocusReason);
}

void Statistique_Prefixe::Afficher_Click() {
  Liste_Prefixes->clear();
  PrefixCount->clear();
  const Result<std::vector<std::string>> lines =
      prefixStatLines(state_.programDir, state_.StationCall, Cp1252::fromQString(Bande_E->currentText()),
                      Cp1252::fromQString(Mode_AX->currentText()));
  if (!lines) {
    reportFileError(state_, hooks_, lines.error(), MissingFileLabel::PrefixTallies);
    return;
  }
  QStringList items;
  items.reserve(static_cast<qsizetype>(lines->size()));
  for (const std::string& line : *lines) items.push_back(Cp1252::toQString(line));
  Liste_Prefixes->addItems(items);
  PrefixCount->setText(prefixCountText(state_.french(), lines->size()));
}

}  // namespace brivant
