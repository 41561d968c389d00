#include "scoring/ui/Enregistrer.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/DateText.h"
#include "core/LogFile.h"
#include "core/MissingFile.h"
#include "core/QsoRecord.h"
#include "core/SettingsKeys.h"
#include "core/ui/FieldColours.h"
#include "core/ui/Main.h"
#include "entry/DeptTally.h"
#include "entry/EditContact.h"
#include "entry/EntryRules.h"
#include "entry/PrefixTally.h"
#include "entry/ReferenceLists.h"
#include "entry/ui/EditDelete.h"
#include "entry/ui/EntryFields.h"
#include "entry/ui/MainMaintenance.h"
#include "platform/Cp1252.h"
#include "scoring/SaveContact.h"

namespace brivant {

namespace {

void progress(Main& main, int step) { main.NB_Debug->setText(QString::number(step)); }

// Every text the record is made of; the first character 1252 cannot hold,
// when one slipped in.
std::optional<QString> unencodableInFields(Main& main) {
  for (const QLineEdit* field :
       {main.Date_A, main.Indicatif_A, main.Debut_A, main.Fin_A, main.Depart_A, main.Locator_A, main.RSTE_A,
        main.RSTR_A, main.QTH_A, main.Prenom_A, main.Distance_A, main.Azimut_A, main.Remarques_A})
    if (std::optional<QString> bad = firstUnencodableCharacter(field->text())) return bad;
  for (const QComboBox* combo : {main.Bande_A, main.Mode_A, main.Activite_A})
    if (std::optional<QString> bad = firstUnencodableCharacter(combo->currentText())) return bad;
  return std::nullopt;
}

EntryTexts entryTexts(Main& main) {
  EntryTexts t;
  t.date = fieldText(main.Date_A);
  t.callsign = fieldText(main.Indicatif_A);
  t.start = fieldText(main.Debut_A);
  t.end = fieldText(main.Fin_A);
  t.departement = fieldText(main.Depart_A);
  t.locator = fieldText(main.Locator_A);
  t.band = fieldText(main.Bande_A);
  t.mode = fieldText(main.Mode_A);
  t.rstSent = fieldText(main.RSTE_A);
  t.rstReceived = fieldText(main.RSTR_A);
  t.qth = fieldText(main.QTH_A);
  t.firstName = Cp1252::upper(fieldText(main.Prenom_A));
  t.distance = fieldText(main.Distance_A);
  t.azimuth = fieldText(main.Azimut_A);
  t.activity = fieldText(main.Activite_A);
  t.activityIndex = main.Activite_A->currentIndex();
  t.castleName = fieldText(main.Remarques_A);
  return t;
}

// A reference list that cannot be written must not cost the contact: the
// operator is told and the save goes on.
void reportListError(Main& main, const Status& status) {
  if (!status) tell(main, runtimeErrorMessage(status.error().number));
}

bool saveNewContact(Main& main, EntryTexts& texts) {
  AppState& state = main.state();
  const bool fr = main.french();
  progress(main, 2);

  ContactFileJobs jobs;
  jobs.firstNameLine = firstNameLine(texts.callsign, texts.departement, texts.firstName);
  jobs.firstNameMissing = state.FirstNameMissing;
  if (state.EntryCall.size() <= DirectoryCallWidth) {
    if (const std::optional<QString> question = directoryQuestion(
            fr, state.EntryCall, state.EntryDept, state.DirectoryDept, state.DirectoryLocator, texts.locator);
        question && state.dialogs.yesNo(*question)) {
      progress(main, 3);
      jobs.directory = ContactFileJobs::Directory{state.EntryCall, state.EntryDept, texts.locator};
    }
  }
  if (departementFlagIsNew(state.DeptBandFlag)) {
    progress(main, 4);
    jobs.departement = ContactFileJobs::Flag{state.EntryDept, state.EntryBand, texts.mode};
  }
  if (state.NewPrefixConfirmed == "O")
    jobs.prefix = ContactFileJobs::Flag{state.EntryMainPrefix, state.EntryBand, texts.mode};

  const ContactFileOutcome updated = updateContactFiles(state.programDir, state.StationCall, jobs);
  reportListError(main, updated.firstNames);
  reportListError(main, updated.directory);
  if (!updated.departement) {
    main.raiseFileError(updated.departement.error(), MissingFileLabel::DepartementTallies);
    return false;
  }
  if (updated.prefix) {
    const Result<PrefixLookup>& marked = *updated.prefix;
    if (!marked) {
      main.raiseFileError(marked.error(), MissingFileLabel::PrefixTallies);
      return false;
    }
    if (marked->found)
      state.EntryPrefix = marked->prefix;
    else
      tell(main, unknownPrefixSaveMessage(fr));
  }

  progress(main, 6);
  state.GridBand = texts.band;
  if (!main.Affiche_Departements(state.GridBand, texts.mode)) return false;
  main.Frame3->setTitle(frame3Caption(Frame3Caller::StartUpOrSave, fr, state.DeptCount, state.EntryBand, texts.mode));

  const bool automatic = main.automaticDate();
  if (automatic) {
    state.EntryEnd = currentTime(state.clock, main.utcTime()).substr(0, 5);
    texts.end = state.EntryEnd;
    setFieldText(main.Fin_A, texts.end);
  }
  main.Label26->setVisible(false);

  const std::optional<std::string> record = newContactRecord(texts, state.EntryPrefix, state.QsoPoints);
  if (!record) return false;  // the fields were checked to fit before anything was written
  state.CurrentRecord = *record;
  main.Enregistrer->setText(nextQsoCaption(fr));
  main.Enregistrer->setEnabled(false);

  const int count = state.QsoCount + 1;
  if (!automatic) {
    progress(main, 8);
    Result<ListLines> lines =
        Reecrit_Log(state.programDir, state.StationCall, std::string(QsoLayout::RecordLength, ' '), *record);
    if (!lines) {
      main.raiseFileError(lines.error(), MissingFileLabel::Log);
      return false;
    }
    main.showList(std::move(lines).value());
  } else {
    progress(main, 7);
    if (const Status added = Ajout_Log(state.programDir, state.StationCall, *record); !added) {
      main.raiseFileError(added.error(), MissingFileLabel::Log);
      return false;
    }
    main.appendListLine(QsoListLine(count, *record));
    main.Frame4->setTitle(frame4NumberCaption(fr, QString::number(count + 1)));
  }
  main.selectLastQso();
  return true;
}

bool saveEditedContact(Main& main, const EntryTexts& texts) {
  AppState& state = main.state();
  const bool fr = main.french();
  progress(main, 9);
  state.QsoPoints = editedContactPoints(texts.band, texts.distance, state.QsoPoints);
  const std::optional<std::string> record = editedContactRecord(texts, state.EditedLine, state.QsoPoints);
  if (!record) return false;  // the fields were checked to fit before anything was written
  state.CurrentRecord = *record;

  progress(main, 10);
  Result<ListLines> lines = Reecrit_Log(state.programDir, state.StationCall, state.EditedLine, *record);
  if (!lines) {
    main.raiseFileError(lines.error(), MissingFileLabel::Log);
    return false;
  }
  progress(main, 12);
  main.showList(std::move(lines).value());
  main.selectLastQso();

  main.Indicatif_A->setEnabled(true);
  main.Bande_A->setEnabled(true);
  for (QWidget* field : std::initializer_list<QWidget*>{main.Depart_A, main.Locator_A, main.Mode_A, main.Activite_A,
                                                        main.Date_A, main.Debut_A, main.Fin_A, main.RSTR_A, main.RSTE_A,
                                                        main.Prenom_A, main.QTH_A, main.Remarques_A, main.Enregistrer})
    field->setEnabled(false);
  main.Enregistrer->setText(nextQsoCaption(fr));
  for (QPushButton* button : {main.Recherche, main.Annuler, main.Editer, main.Effacer}) button->setEnabled(true);
  state.EntryEditing = false;
  Liste_QSO_Click(main);

  // The edit may have changed the band, the mode, the prefix or the
  // departement: the tallies are recomputed from the log.
  if (!rebuildFromLog(main, false)) return false;
  return main.showEntryGrid(Frame3Caller::StartUpOrSave);
}

}  // namespace

void Enregistrer_Click(Main& main) {
  AppState& state = main.state();
  const bool fr = main.french();
  if (const std::optional<QString> bad = unencodableInFields(main)) {
    tell(main, unencodableCharacterMessage(fr, *bad));
    return;
  }
  EntryTexts texts = entryTexts(main);
  progress(main, 1);
  // Everything that can refuse the save is looked at before any file changes.
  const bool endStamped = !state.EntryEditing && main.automaticDate();
  for (const QString& refusal : {saveFormMessage(texts, fr), savedFieldsMessage(texts, fr, endStamped)}) {
    if (!refusal.isEmpty()) {
      tell(main, refusal);
      return;
    }
  }
  if (state.EntryEditing && logHoldsOneContact(state.programDir, state.StationCall)) {
    tell(main, oneContactEditMessage(fr));
    return;
  }

  setFieldText(main.Prenom_A, texts.firstName);
  if (state.EntryEditing)
    reportListError(main,
                    Ajoute_Prenom(state.programDir, firstNameLine(texts.callsign, texts.departement, texts.firstName),
                                  state.FirstNameMissing));

  const bool saved = state.EntryEditing ? saveEditedContact(main, texts) : saveNewContact(main, texts);
  if (saved) resetForNextContact(main);
}

void resetForNextContact(Main& main) {
  AppState& state = main.state();
  namespace S = Settings::Station;
  progress(main, 13);
  const int band = Settings::getInt(state.settings, S::BandUsed, state.StationCall, 0);
  // A typed band ("1.8 Mhz") has no index: it stays for the next contact.
  if (selectComboIndex(main.Bande_A, band)) state.BandIndex = band;
  selectComboIndex(main.Mode_A, Settings::getInt(state.settings, S::ModeUsed, state.StationCall, 0));

  const bool automatic = main.automaticDate();
  for (QLineEdit* field : {main.Indicatif_A, main.Depart_A, main.Locator_A}) field->clear();
  main.Mode_A->setEnabled(true);
  if (automatic) main.Date_A->clear();
  selectComboIndex(main.Activite_A, Settings::getInt(state.settings, S::Activity, state.StationCall, 0));
  main.Activite_A->setEnabled(false);
  main.Debut_A->clear();
  main.Fin_A->clear();
  const std::string report = defaultReport(fieldText(main.Mode_A));
  setFieldText(main.RSTR_A, report);
  setFieldText(main.RSTE_A, report);
  for (QLineEdit* field : {main.Prenom_A, main.QTH_A, main.Distance_A, main.Azimut_A}) field->clear();
  // With typed dates the castle name stays for the next contact, as the date does.
  if (automatic) main.Remarques_A->clear();
  main.Label5->setText(callsignRestCaption());
  for (QWidget* field :
       {static_cast<QWidget*>(main.Bande_A), static_cast<QWidget*>(main.Depart_A), static_cast<QWidget*>(main.Mode_A)})
    setAccepted(field);
  awaitInput(main.Indicatif_A);
  (void)main.showPoints();
}

}  // namespace brivant
