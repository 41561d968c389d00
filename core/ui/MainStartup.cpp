// Form_Load: the start-up of the main window, step by step in its fixed order.

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "core/Bands.h"
#include "core/History.h"
#include "core/Language.h"
#include "core/LogFile.h"
#include "core/Safeguards.h"
#include "core/SettingsKeys.h"
#include "core/Station.h"
#include "core/ui/Centre.h"
#include "core/ui/FieldColours.h"
#include "core/ui/Main.h"
#include "core/ui/StartupTexts.h"
#include "core/ui/Station.h"
#include "platform/Cp1252.h"
#include "platform/Diagnostics.h"

namespace brivant {

namespace {

template <class Labels>
void fill(QComboBox* combo, const Labels& labels) {
  combo->clear();
  for (std::string_view label : labels) combo->addItem(Cp1252::toQString(label));
}

void selectIndex(QComboBox* combo, int index) {
  if (index >= 0 && index < combo->count()) combo->setCurrentIndex(index);
}

}  // namespace

bool Main::Form_Load() {
  namespace C = Settings::Common;
  namespace S = Settings::Station;
  SettingsStore& store = state_.settings;

  // 1-2. Centred, combos filled.
  centreOnScreen(this);
  fill(Mode_A, ModeLabels);
  fill(Activite_A, Activities);
  fill(Bande_A, EntryBandLabels);

  // 4-5. The station and its language; no "Langue" means English.  A stored
  // callsign that could not name the station's files is never used.
  const std::optional<std::string> storedCall =
      checkedStoredCallsign(Cp1252::fromUtf8(Settings::getText(store, C::StationCallsign, state_.StationCall)));
  state_.StationCall = storedCall.value_or(std::string(C::StationCallsign.defaultValue));
  setLanguage(Settings::getText(store, S::Language, state_.StationCall) == "Fr" ? "Fr" : "An");

  // 3. Shown, in the language already: the first-run message and the Station
  // window come up over captions the operator can read.
  Aff_Langue();
  show();

  // 6. First run, or a refused callsign: the operator names the station
  // before anything else.
  if (!storedCall || state_.StationCall == "FXXXX") {
    const QString message = storedCall ? firstRunMessage(french()) : refusedCallsignMessage(french());
    Diagnostics::startupStep("the station is asked for: " + message.toStdString());
    state_.dialogs.message(message);
    stationWindow()->openModal();
    if (programEnded_) return false;
  }

  // The settings written below: the first failure is said once.
  Status saved;
  const auto keep = [&saved](Status status) {
    if (saved && !status) saved = std::move(status);
  };

  // 7-10. Locator, band (always the first one at start-up), mode, event date.
  state_.StationLocator = Cp1252::fromUtf8(Settings::getText(store, C::StationLocator, state_.StationCall));
  keep(Settings::save(store, S::Session, state_.StationCall, "HF"));
  keep(Settings::save(store, S::BandUsed, state_.StationCall, "0"));
  selectIndex(Bande_A, Settings::getInt(store, S::BandUsed, state_.StationCall));
  const std::string entryBand = Cp1252::fromQString(Bande_A->currentText());
  selectIndex(Mode_A, Settings::getInt(store, S::ModeUsed, state_.StationCall));
  state_.JncDate = Cp1252::fromUtf8(Settings::getText(store, S::JncDate, state_.StationCall));
  if (checkJncDate(state_.JncDate) != DateTimeProblem::None) askJncDate();

  // 11-12. Where the program keeps its files; the clock options.
  keep(Settings::save(store, C::ProgramDirectory, state_.StationCall, state_.programDir.string()));
  applyClockOptions(Settings::getBool(store, S::UtcTime, state_.StationCall),
                    Settings::getBool(store, S::AutomaticDate, state_.StationCall));
  Timer1_Timer();
  Timer1->start();

  // 13-16. Station captions, entry state, history and revision, mode stored.
  I_Station->setText(displayCallsignText(state_.StationCall));
  setLogTitle(pick(french(), "Log de ", "Log of ") + displayCallsignText(state_.StationCall));
  if (hooks_.startEntry) hooks_.startEntry(entryBand);
  Enregistrer->setEnabled(false);
  keep(Settings::save(store, S::Revision, state_.StationCall, state_.RevisionText));
  keep(Settings::save(store, S::ModeUsed, state_.StationCall, std::to_string(Mode_A->currentIndex())));
  state_.GridBand = entryBand;
  if (!saved)
    state_.dialogs.message(settingsWriteFailure(french(), saved.error(), store.fileOf(Settings::Application)));

  // 17. Prefix files of another version.
  if (hooks_.checkPrefixFiles) hooks_.checkPrefixFiles();

  // 18. The list of contacts.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QElapsedTimer took;
  took.start();
  const bool loaded = Charge_Liste_QSO();
  logLoaded_ = loaded;
  QApplication::restoreOverrideCursor();
  if (!loaded) return false;
  qCInfo(brivantStartup).noquote() << "log of" << QString::fromStdString(state_.StationCall)
                                   << "loaded:" << state_.QsoCount << "contacts in" << took.elapsed() << "ms";
  selectLastQso();

  // 19-21. The first fields of the entry, the activity.  The window title and
  // the castle-name caption are set with the language captions (step 23).
  Indicatif_A->setEnabled(true);
  setAccepted(Bande_A);
  Mode_A->setFocus();
  setAwaiting(Mode_A);
  selectIndex(Activite_A, Settings::getInt(store, S::Activity, state_.StationCall));
  // 22. The distance constants are compile-time constants of the locator code.

  // 23-24. Captions in the language, then what to do before the event.
  Aff_Langue();
  state_.dialogs.message(preEventInstructions(french()));
  if (programEnded_) return false;

  // 25. Tallies rebuilt from the log.
  took.start();
  if (hooks_.rebuildTallies && !hooks_.rebuildTallies()) return false;
  qCInfo(brivantStartup).noquote() << "tallies rebuilt from the log in" << took.elapsed() << "ms";

  // 26. The departement grid and its count.
  if (!showEntryGrid(Frame3Caller::StartUpOrSave, entryBand)) return false;

  // 27. The score.
  return showPoints();
}

void Main::askJncDate() {
  for (;;) {
    const std::optional<QString> typed = state_.dialogs.askText(jncDatePrompt(french()), QString());
    if (!typed) {
      // Not answered: the date an absent setting gives, nothing stored.
      state_.JncDate = std::string(Settings::Station::JncDate.defaultValue);
      return;
    }
    const std::string date = Cp1252::fromQString(*typed);
    if (const DateTimeProblem problem = checkJncDate(date); problem != DateTimeProblem::None) {
      state_.dialogs.message(dateTimeMessage(problem, french()));
      continue;
    }
    state_.JncDate = date;
    saveSetting(state_, Settings::Station::JncDate, Cp1252::toUtf8(date));
    return;
  }
}

}  // namespace brivant
