#include "stats/ui/Affiche_Dpt.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Language.h"
#include "core/ui/Centre.h"
#include "platform/Cp1252.h"
#include "stats/DeptList.h"
#include "stats/ui/StatsControls.h"

namespace brivant {

namespace {

// The list shows the first 116 characters of each list line.
constexpr int LineWidth = 116;

}  // namespace

Affiche_Dpt::Affiche_Dpt(AppState& state, StatsHooks hooks, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), hooks_(std::move(hooks)) {
  setObjectName(QStringLiteral("Affiche_Dpt"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("    QSO effectués par département"));
  auto* layout = new QVBoxLayout(this);

  QSO_DU_Dpt = new QListWidget(this);
  QSO_DU_Dpt->setObjectName(QStringLiteral("QSO_DU_Dpt"));
  QSO_DU_Dpt->setFont(fixedPitchFont());
  const QFontMetrics fixed(QSO_DU_Dpt->font());
  QSO_DU_Dpt->setMinimumSize(fixed.horizontalAdvance(QString(LineWidth + 4, QLatin1Char('M'))), fixed.height() * 16);

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
  Label2 = new QLabel(Frame1);
  Label2->setObjectName(QStringLiteral("Label2"));
  counted->addWidget(Label2);
  bottom->addWidget(Frame1, 1);
  Quitter = new QPushButton(this);
  Quitter->setObjectName(QStringLiteral("Quitter"));
  bottom->addWidget(Quitter, 0, Qt::AlignBottom);
  layout->addLayout(bottom);

  connect(Quitter, &QPushButton::clicked, this, &QWidget::close);
  closeOnEscape(this);
}

void Affiche_Dpt::Form_Load() {
  const bool french = state_.french();
  Label1->setText(deptListHeader(french));
  Quitter->setText(pick(french, "&Quitter", "E&xit"));
  adjustSize();
  centreOnScreen(this);
}

void Affiche_Dpt::showDepartement(int box) {
  const bool french = state_.french();
  const std::string code = deptCodeOfBox(box);
  const std::vector<std::string> lines = deptListLines(hooks_.lines(), code);
  QSO_DU_Dpt->clear();
  QStringList items;
  items.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) items.push_back(Cp1252::toQString(line));
  QSO_DU_Dpt->addItems(items);
  Label2->setText(deptListCountLine(french, lines.size(), code));
  setWindowTitle(deptListCaption(french));
}

}  // namespace brivant
