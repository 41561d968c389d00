#include "outputs/ui/AdifImporter.h"

#include <QProgressDialog>
#include <QWidget>

#include "core/Language.h"
#include "core/LogFile.h"
#include "core/Safeguards.h"
#include "core/SettingsKeys.h"
#include "core/Station.h"
#include "outputs/AdifImport.h"
#include "outputs/OutputText.h"
#include "outputs/ui/ImportReport.h"
#include "platform/Cp1252.h"
#include "platform/Diagnostics.h"
#include "platform/TextFile.h"

namespace brivant {

AdifImporter::AdifImporter(AppState& state, QWidget& mainWindow, Hooks hooks)
    : QObject(&mainWindow), state_(state), mainWindow_(mainWindow), hooks_(std::move(hooks)) {}

ImportReport* AdifImporter::report() const { return report_; }
QProgressDialog* AdifImporter::progressDialog() const { return progress_; }

void AdifImporter::Mnu_Import_ADIF_Click() {
  const bool fr = state_.french();
  if (isTemplateStation(state_.StationCall)) {
    if (hooks_.askForStation) hooks_.askForStation();
    return;
  }
  const std::optional<QString> chosen = state_.dialogs.chooseFileToOpen(
      importFileTitle(fr), QString::fromStdString(state_.programDir.string()),
      pick(fr, "Fichiers ADIF (*.adi *.ADI);;Tous les fichiers (*)", "ADIF files (*.adi *.ADI);;All files (*)"));
  if (!chosen) return;
  const std::filesystem::path file(chosen->toStdString());
  // A file larger than any day's log is refused before anything is read.
  const Result<std::uintmax_t> size = TextFile::length(file);
  if (!size) {
    state_.dialogs.message(outputReadFailure(fr, size.error(), file));
    return;
  }
  if (*size > MaxImportBytes) {
    state_.dialogs.message(importTooLargeMessage(fr, *size));
    return;
  }

  // The contacts are checked against whole lines only.
  const Result<std::optional<std::string>> torn = setAsideTornLogLine(state_.programDir, state_.StationCall);
  if (!torn) {
    const FileError& error = torn.error();
    state_.dialogs.message(error.number == FileNotFound ? outputReadFailure(fr, error, error.path)
                                                        : outputWriteFailure(fr, error, error.path));
    return;
  }
  if (*torn) state_.dialogs.message(tornLogLineMessage(fr, state_.programDir, state_.StationCall));

  ImportOptions options;
  options.french = fr;
  options.station.jncDate = state_.JncDate;
  options.station.ownReference = Settings::getText(state_.settings, Settings::Station::Reference, state_.StationCall);
  options.progress = [this, fr](std::uintmax_t done, std::uintmax_t total) {
    if (total <= ProgressFromBytes) return;
    if (!progress_) {
      progress_ = new QProgressDialog(&mainWindow_);
      progress_->setObjectName(QStringLiteral("importProgress"));
      progress_->setCancelButton(nullptr);
      progress_->setWindowModality(Qt::WindowModal);
      progress_->setMinimumDuration(0);
      progress_->setAutoClose(false);
      progress_->setAutoReset(false);
    }
    // The one bar serves every import: hidden since the last one, it starts
    // again for this file.
    if (progress_->isHidden()) {
      progress_->reset();
      progress_->setLabelText(pick(fr, "Lecture du fichier ADIF…", "Reading the ADIF file…"));
      progress_->setWindowTitle(importFileTitle(fr));
      progress_->setRange(0, static_cast<int>(total));
    }
    progress_->setValue(static_cast<int>(std::min(done, total)));
  };
  options.importOtherDates = [this, fr](const OtherDates& other) {
    if (progress_) progress_->hide();
    return state_.dialogs.yesNoDefaultNo(otherDatesQuestion(fr, state_.JncDate, other));
  };

  // Everything read is let go before the outcome is shown: the contacts are
  // in the log, the report in its file, and the window keeps its lines.
  std::size_t imported = 0;
  std::vector<ImportNote> notes;
  ExportOutcome written{true, {}};
  {
    Result<ImportPlan> plan = planAdifImport(state_.programDir, state_.StationCall, file, options);
    if (progress_) progress_->hide();
    if (!plan) {
      state_.dialogs.message(outputReadFailure(fr, plan.error(), plan.error().path));
      return;
    }
    if (plan->tooLarge) {
      qCWarning(brivantImport).noquote() << "import of" << *chosen << "refused:" << plan->fileBytes << "bytes";
      state_.dialogs.message(importTooLargeMessage(fr, plan->fileBytes));
      return;
    }
    if (plan->recordsRead == 0) {
      state_.dialogs.message(emptyImportMessage(fr));
      return;
    }
    if (!plan->records.empty()) {
      Result<std::vector<std::string>> lines = applyAdifImport(state_.programDir, state_.StationCall, *plan);
      if (!lines) {
        state_.dialogs.message(
            outputWriteFailure(fr, lines.error(), logFilePath(state_.programDir, state_.StationCall)));
        return;
      }
      if (hooks_.logReplaced) hooks_.logReplaced(std::move(lines.value()));
    }
    imported = plan->records.size();
    qCInfo(brivantImport).noquote() << "import of" << (*chosen + QLatin1Char(':')) << plan->recordsRead
                                    << "records read," << imported << "imported," << plan->refused() << "refused,"
                                    << plan->notes.size() << "in the report";
    if (!plan->notes.empty()) {
      const std::string fileName = Cp1252::fromQString(QString::fromStdString(file.filename().string()));
      written = writeOutputAndConfirm(importReportPath(state_.programDir, state_.StationCall),
                                      importReportText(fr, fileName, *plan), fr, QString());
      notes = std::move(plan->notes);
    }
  }

  if (notes.empty()) {
    state_.dialogs.message(importSummary(fr, imported, 0));
    return;
  }
  if (!written.ok) state_.dialogs.message(written.message);
  // The report of an earlier import closes (and goes, as its window does).
  if (report_) report_->close();
  report_ = new ImportReport(fr, &mainWindow_);
  report_->showReport(
      imported, std::move(notes),
      written.ok ? QString::fromStdString(importReportPath(state_.programDir, state_.StationCall).filename().string())
                 : QString());
}

}  // namespace brivant
