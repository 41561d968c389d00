#include "outputs/ui/Reglement.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/ui/Centre.h"
#include "core/ui/Fonts.h"
#include "core/ui/KeyboardAccess.h"
#include "outputs/RulesText.h"

namespace brivant {

Reglement::Reglement(AppState& state, QWidget* parent) : QWidget(parent, Qt::Window), state_(state) {
  setObjectName(QStringLiteral("Reglement"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Règlement ZIV"));
  auto* layout = new QVBoxLayout(this);
  Label2 = new QLabel(QStringLiteral("Règlement de la Journée Nationale des Razeraro"), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  // Comic Sans MS where it is installed, else a plain sans serif: never the
  // system's guess for a missing family, which may be a font of symbols.
  QFont heading =
      firstInstalledFont({"Comic Sans MS", "Comic Neue", "Liberation Sans", "DejaVu Sans"}, QFont::SansSerif, font());
  heading.setPointSize(14);
  Label2->setFont(heading);
  Label2->setAlignment(Qt::AlignCenter);
  layout->addWidget(Label2);
  Reg = new QListWidget(this);
  Reg->setObjectName(QStringLiteral("Reg"));
  Reg->setMinimumSize(760, 440);
  layout->addWidget(Reg);
  closeOnEscape(this);
}

void Reglement::Form_Load() {
  adjustSize();
  centreOnScreen(this);
  const QString corrector =
      QString::fromStdString(Settings::getText(state_.settings, CorrectorKey, state_.StationCall));
  Reg->clear();
  Reg->addItems(rulesLines(corrector));
}

}  // namespace brivant
