// The entry on a 10,000-contact log, offscreen, as the operator meets it:
//   - "QSO Suivant" in automatic-date mode, with every file it can update (a
//     new departement and a new prefix flagged, the directory and the
//     first-name list rewritten, the log appended, grid and score refreshed).
//   - "QSO Suivant" for a contact typed with its date: inserted in the middle
//     of the log, the list reloaded.
//   - "Supprimer QSO" with the rebuild of the tallies that follows it.
//   - Enter on the callsign (the duplicate scan over the whole list and the
//     lookups): a keystroke, which must never wait on the log.
// The budgets are in bench/budgets.txt; bash scripts/bench.sh entry runs them.

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <fstream>
#include <memory>

#include "app/Composition.h"
#include "bench/support/AnsweringDialogs.h"
#include "bench/support/GeneratedLog.h"
#include "bench/support/OffscreenApplication.h"
#include "core/AppState.h"
#include "core/Station.h"
#include "core/ui/Main.h"
#include "entry/ui/EntryChain.h"
#include "platform/Clock.h"
#include "platform/ProgramDir.h"
#include "platform/SettingsStore.h"
#include "platform/TextFile.h"

namespace brivant::bench {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view Station = "F6ABC";

void writeFile(const fs::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
}

// The line of a tally that begins with key, with the flag at column reset to
// "0", so that the next contact finds it new again.
std::string unflagged(std::string bytes, const std::string& key, std::size_t column) {
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t end = bytes.find("\r\n", at);
    if (bytes.compare(at, key.size(), key) == 0) {
      bytes[at + column - 1] = '0';
      break;
    }
    if (end == std::string::npos) break;
    at = end + 2;
  }
  return bytes;
}

// A started main window on a station whose log holds 10,000 contacts.
class Desk {
 public:
  explicit Desk(bool automaticDate) {
    offscreenApplication();
    ok_ = ProgramDir::seed(programDir_.path(), BRIVANT_DATA_DIR_FOR_BENCH).ok() &&
          Cree_Fichiers_Station(programDir_.path(), Station).ok();
    records_ = generateLogRecords();
    writeStationLog(programDir_.path(), Station, records_);
    (void)store_.save("ZIV", "Setup ", "Indicatif Station", Station);
    (void)store_.save("ZIV", "Setup ", "Locator Station", "JN18EU");
    (void)store_.save("ZIV", "Setup " + std::string(Station), "Langue", "Fr");
    (void)store_.saveBool("ZIV", "Setup " + std::string(Station), "Date Automatique", automaticDate);
    state_ = std::make_unique<AppState>(programDir_.path(), store_, clock_, dialogs_);
    program_ = std::make_unique<Composition>(*state_);
    main_ = &program_->main();
    main_->setEndProgram([this](int) { ok_ = false; });
    ok_ = ok_ && main_->Form_Load();
    chain_ = &program_->entryChain();
    // The tallies as the rebuild left them, with 59 and F new again on
    // 14 Mhz SSB: each contact then flags both.
    const std::string call(Station);
    deptSsb_ = unflagged(read(call + "_Departement_SSB.txt"), "59", 8);
    prefixSsb_ = unflagged(read(call + "_Prefixe_SSB.txt"), "F  ", 12);
  }

  // False, with the benchmark marked failed, when the window could not start.
  bool started(benchmark::State& state) const {
    if (!ok_) state.SkipWithError("the main window could not start");
    return ok_;
  }
  Main& main() { return *main_; }
  EntryChain& chain() { return *chain_; }
  const std::vector<std::string>& records() const { return records_; }
  AnsweringDialogs& dialogs() { return dialogs_; }
  const fs::path& dir() const { return programDir_.path(); }

  void restoreTallies() {
    const std::string call(Station);
    writeFile(programDir_.path() / (call + "_Departement_SSB.txt"), deptSsb_);
    writeFile(programDir_.path() / (call + "_Prefixe_SSB.txt"), prefixSsb_);
  }

  // A French station on 14 Mhz SSB typed up to "QSO Suivant", every field
  // accepted by its own Enter.  With a date, the contact is typed at noon.
  void typeContact(int serial, bool withDate) {
    Main& m = *main_;
    m.Bande_A->setEditText(QStringLiteral("14 Mhz"));
    chain_->Bande_A_Enter();
    m.Mode_A->setEditText(QStringLiteral("SSB"));
    chain_->Mode_A_Enter();
    m.Indicatif_A->setText(QStringLiteral("F5B%1").arg(serial, 4, 10, QLatin1Char('0')));
    chain_->Indicatif_A_Enter();
    m.Depart_A->setText(QStringLiteral("59"));
    chain_->Depart_A_Enter();
    m.Activite_A->setEditText(QStringLiteral("QSO"));
    chain_->Activite_A_Enter();
    if (withDate) {
      m.Date_A->setText(QStringLiteral("06/06/26"));
      chain_->Date_A_Enter();
      m.Debut_A->setText(QStringLiteral("12:00"));
      chain_->Debut_A_Enter();
      chain_->Fin_A_Enter();
    }
    chain_->RSTR_A_Enter();
    chain_->RSTE_A_Enter();
    m.Prenom_A->setText(QStringLiteral("JEAN"));
    chain_->Prenom_A_Enter();
    m.Remarques_A->setText(QStringLiteral("LILLE"));
    chain_->Remarques_A_Enter();
  }

 private:
  std::string read(const std::string& name) const {
    const Result<std::string> bytes = TextFile::readAll(programDir_.path() / name);
    return bytes ? *bytes : std::string();
  }

  ScratchFolder programDir_;
  ScratchFolder settingsDir_;
  SettingsStore store_{settingsDir_.path()};
  FixedClock clock_{{2026, 6, 6, 14, 0, 0}, 120};
  AnsweringDialogs dialogs_;
  std::vector<std::string> records_;
  std::unique_ptr<AppState> state_;
  std::unique_ptr<Composition> program_;
  Main* main_ = nullptr;
  EntryChain* chain_ = nullptr;
  std::string deptSsb_;
  std::string prefixSsb_;
  bool ok_ = true;
};

void saveContacts(benchmark::State& state, bool withDate) {
  Desk desk(!withDate);
  if (!desk.started(state)) return;
  int serial = 0;
  for (auto _ : state) {
    state.PauseTiming();
    desk.restoreTallies();
    desk.typeContact(++serial, withDate);
    const std::size_t before = desk.main().listLines().size();
    const int asked = desk.dialogs().asked;
    if (!desk.main().Enregistrer->isEnabled()) state.SkipWithError("the entry did not reach QSO Suivant");
    state.ResumeTiming();

    desk.main().Enregistrer->click();

    state.PauseTiming();
    // The directory was asked about (and rewritten) for every contact.
    if (desk.main().listLines().size() != before + 1 || desk.dialogs().asked != asked + 1)
      state.SkipWithError("the contact was not saved with every update");
    state.ResumeTiming();
  }
}

void BM_QsoSuivantAutomaticDate(benchmark::State& state) { saveContacts(state, false); }
BENCHMARK(BM_QsoSuivantAutomaticDate)->Unit(benchmark::kMillisecond)->Iterations(40);

void BM_QsoSuivantTypedDateInsertedAndListReloaded(benchmark::State& state) { saveContacts(state, true); }
BENCHMARK(BM_QsoSuivantTypedDateInsertedAndListReloaded)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_DeleteWithRebuild(benchmark::State& state) {
  Desk desk(true);
  if (!desk.started(state)) return;
  const std::string log = TextFile::readAll(desk.dir() / (std::string(Station) + ".log")).valueOr({});
  for (auto _ : state) {
    state.PauseTiming();
    writeFile(desk.dir() / (std::string(Station) + ".log"), log);
    (void)desk.main().Charge_Liste_QSO();
    desk.main().selectQso(5000);
    state.ResumeTiming();

    desk.main().Effacer->click();

    state.PauseTiming();
    if (desk.main().listLines().size() != desk.records().size() - 1) state.SkipWithError("the contact was not deleted");
    state.ResumeTiming();
  }
}
BENCHMARK(BM_DeleteWithRebuild)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_CallsignEnter(benchmark::State& state) {
  Desk desk(true);
  if (!desk.started(state)) return;
  Main& m = desk.main();
  m.Mode_A->setEditText(QStringLiteral("SSB"));
  desk.chain().Mode_A_Enter();
  int serial = 0;
  for (auto _ : state) {
    state.PauseTiming();
    m.Indicatif_A->setText(QStringLiteral("G4X%1").arg(++serial, 4, 10, QLatin1Char('0')));
    m.Indicatif_A->setFocus();
    state.ResumeTiming();
    desk.chain().Indicatif_A_Enter();
  }
}
BENCHMARK(BM_CallsignEnter)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brivant::bench
