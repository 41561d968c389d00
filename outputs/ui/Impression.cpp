#include "outputs/ui/Impression.h"

#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Language.h"
#include "core/LogFile.h"
#include "core/ui/Centre.h"
#include "core/ui/KeyboardAccess.h"
#include "outputs/LogListing.h"
#include "outputs/ui/PrintJob.h"
#include "outputs/ui/SavePrintButtons.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

namespace brivant {

Impression::Impression(AppState& state, Printer& printer, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), printer_(printer) {
  setObjectName(QStringLiteral("Impression"));
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);
  Label2 = new QLabel(this);
  Label2->setObjectName(QStringLiteral("Label2"));
  layout->addWidget(Label2);
  Visu_Print = new QListWidget(this);
  Visu_Print->setObjectName(QStringLiteral("Visu_Print"));
  Visu_Print->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  Visu_Print->setMinimumSize(720, 420);
  layout->addWidget(Visu_Print);
  const SavePrintButtons buttons = addSavePrintButtons(this, layout);
  Enregistrer = buttons.Enregistrer;
  Imprimer = buttons.Imprimer;
  Quitter = buttons.Quitter;
  connect(Enregistrer, &QPushButton::clicked, this, &Impression::Enregistrer_Click);
  connect(Imprimer, &QPushButton::clicked, this, &Impression::Imprimer_Click);
  connect(Quitter, &QPushButton::clicked, this, &Impression::Quitter_Click);
}

Status Impression::Form_Load() {
  const bool french = state_.french();
  adjustSize();
  centreOnScreen(this);
  setWindowTitle(QStringLiteral("Log JNC"));
  Label2->setText(pick(french, "Log JNC de la station ", "Log JNC station ") + Cp1252::toQString(state_.StationCall));
  setSavePrintCaptions({Enregistrer, Imprimer, Quitter}, french);
  giveAltKeys(this);

  Result<TextFile::Lines> log = TextFile::readLines(logFilePath(state_.programDir, state_.StationCall));
  static const TextFile::Lines NoLines;
  const auto lines = previewLines(french, state_.JncDate, state_.StationCall, log ? *log : NoLines);
  Visu_Print->clear();
  QStringList items;
  items.reserve(static_cast<qsizetype>(lines.size()));
  for (const std::string& line : lines) items.push_back(Cp1252::toQString(line));
  Visu_Print->addItems(items);
  return log;
}

void Impression::Enregistrer_Click() {
  centreOnScreen(this);
  state_.dialogs.message(
      saveListing(state_.programDir, state_.StationCall, state_.JncDate, state_.RevisionText, state_.french()).message);
}

void Impression::Imprimer_Click() {
  const bool french = state_.french();
  const std::filesystem::path log = logFilePath(state_.programDir, state_.StationCall);
  Result<TextFile::Lines> lines = TextFile::readLines(log);
  if (!lines) {
    state_.dialogs.message(outputReadFailure(french, lines.error(), log));
    return;
  }
  const auto printed = printedListingLines(french, state_.JncDate, state_.StationCall, state_.RevisionText, *lines);
  if (!printLines(printer_, state_.dialogs, printed)) state_.dialogs.message(printFailureMessage(french));
}

void Impression::Quitter_Click() { close(); }

}  // namespace brivant
