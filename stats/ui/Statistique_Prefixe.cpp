#include "stats/ui/Statistique_Prefixe.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Language.h"
#include "core/MissingFile.h"
#include "core/ui/Centre.h"
#include "core/ui/KeyboardAccess.h"
#include "platform/Cp1252.h"
#include "stats/PrefixStats.h"
#include "stats/ui/StatsControls.h"

namespace brivant {

Statistique_Prefixe::Statistique_Prefixe(AppState& state, StatsHooks hooks, QWidget* parent)
    : StatsWindow(state, std::move(hooks), QStringLiteral("Statistique_Prefixe"), parent) {
  auto* layout = new QVBoxLayout(this);
  Label1 = namedLabel(this, QStringLiteral("Label1"));
  layout->addWidget(Label1);

  addChoiceRow(this, layout,
               {nullptr, nullptr, &Mode_AX, "Mode_AX", &Label2, "Label2", &Bande_E, "Bande_E", &Afficher});

  Liste_Prefixes = fixedPitchList(this, QStringLiteral("Liste_Prefixes"), PrefixStatWidth, 20);
  layout->addWidget(Liste_Prefixes, 1);
  PrefixCount = namedLabel(this, QStringLiteral("PrefixCount"));
  layout->addWidget(PrefixCount);

  connect(Afficher, &QPushButton::clicked, this, &Statistique_Prefixe::Afficher_Click);
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
  giveAltKeys(this);
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
  showLines(Liste_Prefixes, *lines);
  PrefixCount->setText(prefixCountText(state_.french(), lines->size()));
}

}  // namespace brivant
