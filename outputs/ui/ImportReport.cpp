#include "outputs/ui/ImportReport.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/Language.h"
#include "core/ui/Centre.h"
#include "core/ui/KeyboardAccess.h"
#include "platform/Cp1252.h"

namespace brivant {

ImportReport::ImportReport(bool french, QWidget* parent) : QWidget(parent, Qt::Window), french_(french) {
  setObjectName(QStringLiteral("ImportReport"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(importReportTitle(french));
  auto* layout = new QVBoxLayout(this);
  summaryLabel = new QLabel(this);
  summaryLabel->setObjectName(QStringLiteral("summaryLabel"));
  layout->addWidget(summaryLabel);

  refusedTable = new QTableWidget(0, 3, this);
  refusedTable->setObjectName(QStringLiteral("refusedTable"));
  refusedTable->setHorizontalHeaderLabels(
      {pick(french, "N°", "No."), pick(french, "Indicatif", "Callsign"), pick(french, "Raison", "Reason")});
  refusedTable->verticalHeader()->hide();
  refusedTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  refusedTable->setSelectionBehavior(QAbstractItemView::SelectRows);
  refusedTable->horizontalHeader()->setStretchLastSection(true);
  refusedTable->setMinimumSize(640, 240);
  layout->addWidget(refusedTable, 1);

  closeButton = new QPushButton(pick(french, "&Fermer", "&Close"), this);
  closeButton->setObjectName(QStringLiteral("closeButton"));
  closeButton->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(closeButton);
  layout->addLayout(buttons);
  connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
  closeOnEscape(this);
  giveAltKeys(this);
}

void ImportReport::showPlan(const ImportPlan& plan, const QString& reportFileName) {
  QString summary = importSummary(french_, plan.records.size(), plan.refused.size());
  if (!reportFileName.isEmpty())
    summary += QLatin1Char('\n') + pick(french_, "Liste enregistrée dans ", "List saved in ") + reportFileName;
  summaryLabel->setText(summary);
  refusedTable->setRowCount(static_cast<int>(plan.refused.size()));
  for (int row = 0; row < refusedTable->rowCount(); ++row) {
    const ImportRefusal& refusal = plan.refused[static_cast<std::size_t>(row)];
    auto* number = new QTableWidgetItem(QString::number(refusal.number));
    number->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    refusedTable->setItem(row, 0, number);
    refusedTable->setItem(row, 1, new QTableWidgetItem(Cp1252::toQString(refusal.callsign)));
    refusedTable->setItem(row, 2, new QTableWidgetItem(reasonOnOneLine(refusal.reason)));
  }
  refusedTable->resizeColumnsToContents();
  refusedTable->resizeRowsToContents();
  adjustSize();
  centreOnScreen(this);
  show();
  raise();
  activateWindow();
  closeButton->setFocus();
}

}  // namespace brivant
