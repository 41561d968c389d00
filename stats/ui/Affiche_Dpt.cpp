#include "stats/ui/Affiche_Dpt.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Language.h"
#include "core/ui/Centre.h"
#include "core/ui/KeyboardAccess.h"
#include "platform/Cp1252.h"
#include "stats/DeptList.h"
#include "stats/ui/StatsControls.h"

namespace brivant {

Affiche_Dpt::Affiche_Dpt(AppState& state, StatsHooks hooks, QWidget* parent)
    : StatsWindow(state, std::move(hooks), QStringLiteral("Affiche_Dpt"), parent) {
  setWindowTitle(QStringLiteral("    QSO effectués par département"));
  auto* layout = new QVBoxLayout(this);

  QSO_DU_Dpt = fixedPitchList(this, QStringLiteral("QSO_DU_Dpt"), DeptListWidth, 16);

  Frame2 = new QGroupBox(this);
  Frame2->setObjectName(QStringLiteral("Frame2"));
  auto* headed = new QVBoxLayout(Frame2);
  Label1 = new ColumnHeader(QSO_DU_Dpt, listLineColumns(), Frame2);
  Label1->setObjectName(QStringLiteral("Label1"));
  headed->addWidget(Label1);
  headed->addWidget(QSO_DU_Dpt, 1);
  layout->addWidget(Frame2, 1);

  auto* bottom = new QHBoxLayout;
  Frame1 = new QGroupBox(this);
  Frame1->setObjectName(QStringLiteral("Frame1"));
  auto* counted = new QHBoxLayout(Frame1);
  Label2 = namedLabel(Frame1, QStringLiteral("Label2"));
  counted->addWidget(Label2);
  bottom->addWidget(Frame1, 1);
  Quitter = new QPushButton(this);
  Quitter->setObjectName(QStringLiteral("Quitter"));
  bottom->addWidget(Quitter, 0, Qt::AlignBottom);
  layout->addLayout(bottom);

  connect(Quitter, &QPushButton::clicked, this, &QWidget::close);
}

void Affiche_Dpt::Form_Load() {
  const bool french = state_.french();
  Label1->setText(deptListHeader(french));
  Quitter->setText(pick(french, "&Quitter", "E&xit"));
  giveAltKeys(this);
  adjustSize();
  centreOnScreen(this);
}

void Affiche_Dpt::showDepartement(int box) {
  const bool french = state_.french();
  const std::string code = deptCodeOfBox(box);
  const std::vector<std::string> lines = deptListLines(hooks_.lines(), code);
  showLines(QSO_DU_Dpt, lines);
  Label2->setText(deptListCountLine(french, lines.size(), code));
  setWindowTitle(deptListCaption(french));
}

}  // namespace brivant
