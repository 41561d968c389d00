#include "outputs/ui/ImportReport.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Language.h"
#include "core/ui/Centre.h"
#include "core/ui/KeyboardAccess.h"

namespace brivant {

// The records of the report, read by the table as it shows them: a file of
// many thousand records makes no widget per cell.
class NotesModel final : public QAbstractTableModel {
 public:
  NotesModel(bool french, QObject* parent) : QAbstractTableModel(parent), french_(french) {}

  void setNotes(std::vector<ImportNote> notes) {
    beginResetModel();
    notes_ = std::move(notes);
    endResetModel();
  }

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(notes_.size());
  }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 4; }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    const ImportNote& note = notes_[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole && index.column() == 0) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
      case 0:
        return QString::number(note.number);
      case 1:
        return note.callsign;
      case 2:
        return noteOutcome(french_, note.imported);
      default:
        return reasonOnOneLine(note.reason.detail);
    }
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
      case 0:
        return pick(french_, "N°", "No.");
      case 1:
        return pick(french_, "Indicatif", "Callsign");
      case 2:
        return pick(french_, "Suite", "Outcome");
      default:
        return pick(french_, "Raison", "Reason");
    }
  }

 private:
  bool french_;
  std::vector<ImportNote> notes_;
};

namespace {

// The window as wide as its tables need, within a 1280 x 720 screen.
constexpr int MaxWidth = 1240;
constexpr int MaxHeight = 640;

// The width a table needs to show every column whole, its vertical scroll
// bar included.
int tableWidth(const QTableView& table) {
  int width = 2 * table.frameWidth() + table.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  for (int c = 0; c < table.model()->columnCount(); ++c) width += table.columnWidth(c);
  return width;
}

}  // namespace

ImportReport::ImportReport(bool french, QWidget* parent) : QWidget(parent, Qt::Window), french_(french) {
  setObjectName(QStringLiteral("ImportReport"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(importReportTitle(french));
  auto* layout = new QVBoxLayout(this);
  summaryLabel = new QLabel(this);
  summaryLabel->setObjectName(QStringLiteral("summaryLabel"));
  layout->addWidget(summaryLabel);

  reasonTable = new QTableWidget(0, 3, this);
  reasonTable->setObjectName(QStringLiteral("reasonTable"));
  reasonTable->setHorizontalHeaderLabels(
      {pick(french, "Nombre", "Count"), pick(french, "Suite", "Outcome"), pick(french, "Raison", "Reason")});
  notesTable = new QTableView(this);
  notesTable->setObjectName(QStringLiteral("notesTable"));
  notes_ = new NotesModel(french, notesTable);
  notesTable->setModel(notes_);
  for (QTableView* table : {static_cast<QTableView*>(reasonTable), notesTable}) {
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setStretchLastSection(true);
  }
  // A reason is never cut short by the window's width: the table scrolls.
  notesTable->horizontalHeader()->setStretchLastSection(false);
  reasonTable->setMaximumHeight(160);
  layout->addWidget(reasonTable);
  notesTable->setMinimumSize(640, 240);
  layout->addWidget(notesTable, 1);

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

void ImportReport::showReport(std::size_t imported, std::vector<ImportNote> notes, const QString& reportFileName) {
  const std::vector<ReasonCount> counts = reasonCounts(notes);
  const auto refused = static_cast<std::size_t>(
      std::count_if(notes.begin(), notes.end(), [](const ImportNote& note) { return !note.imported; }));
  QString summary = importSummary(french_, imported, refused);
  if (!reportFileName.isEmpty())
    summary += QLatin1Char('\n') + pick(french_, "Liste enregistrée dans ", "List saved in ") + reportFileName;
  summaryLabel->setText(summary);

  reasonTable->setRowCount(static_cast<int>(counts.size()));
  for (int row = 0; row < reasonTable->rowCount(); ++row) {
    const ReasonCount& count = counts[static_cast<std::size_t>(row)];
    auto* number = new QTableWidgetItem(QString::number(count.count));
    number->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    reasonTable->setItem(row, 0, number);
    reasonTable->setItem(row, 1, new QTableWidgetItem(noteOutcome(french_, count.imported)));
    reasonTable->setItem(row, 2, new QTableWidgetItem(count.heading));
  }
  reasonTable->resizeColumnsToContents();
  reasonTable->resizeRowsToContents();

  notes_->setNotes(std::move(notes));
  notesTable->resizeColumnsToContents();

  const QMargins margins = layout()->contentsMargins();
  const int width = std::clamp(
      std::max(tableWidth(*reasonTable), tableWidth(*notesTable)) + margins.left() + margins.right(), 640, MaxWidth);
  resize(width, MaxHeight);
  centreOnScreen(this);
  show();
  raise();
  activateWindow();
  closeButton->setFocus();
}

}  // namespace brivant
