#include "scoring/ui/Enregistrer.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/DateText.h"
#include "core/LogFile.h"
#include "core/MainCaptions.h"
#include "core/MissingFile.h"
#include "core/QsoRecord.h"
#include "core/Safeguards.h"
#include "core/SettingsKeys.h"
#include "core/Station.h"
#include "core/ui/EntryForm.h"
#include "core/ui/FieldColours.h"
#include "entry/ContactCheck.h"
#include "entry/DeleteContact.h"
#include "entry/DeptTally.h"
#include "entry/EditContact.h"
#include "entry/EntryDraft.h"
#include "entry/EntryRules.h"
#include "entry/PrefixTally.h"
#include "entry/ReferenceLists.h"
#include "entry/ui/EditDelete.h"
#include "entry/ui/EntryFields.h"
#include "entry/ui/Maintenance.h"
#include "platform/Cp1252.h"
#include "scoring/SaveContact.h"

namespace brivant {

namespace {

void progress(const EntryForm& form, int step) { form.NB_Debug->setText(QString::number(step)); }

// What the check of the contact needs besides its fields: a new contact's
// station was looked up by the entry and its end time is stamped with
// automatic dates; an edited contact holds its reference as stored.
ContactCheckContext checkContext(const MainView& view, const EntryDraft& draft) {
  ContactCheckContext context;
  context.referenceAsStored = draft.EntryEditing;
  if (!draft.EntryEditing) {
    context.prefix = draft.EntryPrefix;
    context.endTimeStamped = view.main.automaticDate();
  }
  return context;
}

// The contact of the form as it is saved: first names are stored in capitals.
QsoFields contactToSave(const EntryForm& form) {
  QsoFields contact = contactOfForm(form);
  contact.firstName = Cp1252::upper(contact.firstName);
  return contact;
}

// A reference list that cannot be written must not cost the contact: the
// operator is told and the save goes on.
void reportListError(const MainView& view, const Status& status) {
  if (!status) view.tell(runtimeErrorMessage(status.error()));
}

// The files a new contact updates besides the log, each only when asked for;
// the directory only when the operator agrees to the question.
ContactFileJobs jobsOfNewContact(const MainView& view, const EntryDraft& draft, const QsoFields& contact) {
  const AppState& state = view.state;
  ContactFileJobs jobs;
  jobs.firstNameLine = firstNameLine(contact.callsign, contact.departement, contact.firstName);
  jobs.firstNameMissing = draft.FirstNameMissing;
  if (draft.EntryCall.size() <= DirectoryCallWidth) {
    if (const std::optional<QString> question =
            directoryQuestion(view.french(), draft.EntryCall, draft.EntryDept, draft.DirectoryDept,
                              draft.DirectoryLocator, contact.locator);
        question && state.dialogs.yesNo(*question)) {
      progress(view.form, 3);
      jobs.directory = ContactFileJobs::Directory{draft.EntryCall, draft.EntryDept, contact.locator};
    }
  }
  if (departementFlagIsNew(draft.DeptBandFlag)) {
    progress(view.form, 4);
    jobs.departement = ContactFileJobs::Flag{draft.EntryDept, draft.EntryBand, contact.mode};
  }
  if (draft.NewPrefixConfirmed)
    jobs.prefix = ContactFileJobs::Flag{draft.EntryMainPrefix, draft.EntryBand, contact.mode};
  return jobs;
}

// What the updates of the lists and tallies mean for the save: a list that
// could not be written is only told; a tally that could not be raises the
// missing-file window or ends the program (false).  The prefix flagged
// becomes EntryPrefix.
bool reportFileUpdates(const MainView& view, EntryDraft& draft, const ContactFileOutcome& updated) {
  reportListError(view, updated.firstNames);
  reportListError(view, updated.directory);
  if (!updated.departement) {
    view.main.raiseFileError(updated.departement.error(), MissingFileLabel::DepartementTallies);
    return false;
  }
  if (!updated.prefix) return true;
  const Result<PrefixLookup>& marked = *updated.prefix;
  if (!marked) {
    view.main.raiseFileError(marked.error(), MissingFileLabel::PrefixTallies);
    return false;
  }
  if (marked->found)
    draft.EntryPrefix = marked->prefix;
  else
    view.tell(unknownPrefixSaveMessage(view.french()));
  return true;
}

// The grid of the contact's band and mode, with its count.
bool showGridOfContact(const MainView& view, const EntryDraft& draft, const QsoFields& contact) {
  if (!view.main.Affiche_Departements(contact.band, contact.mode)) return false;
  view.form.Frame3->setTitle(
      frame3Caption(Frame3Caller::StartUpOrSave, view.french(), view.state.DeptCount, draft.EntryBand, contact.mode));
  return true;
}

// With automatic dates the contact ends now.
void stampEndTime(const MainView& view, EntryDraft& draft, QsoFields& contact) {
  draft.EntryEnd = currentTime(view.state.clock, view.main.utcTime()).substr(0, 5);
  contact.end = draft.EntryEnd;
  setFieldText(view.form.Fin_A, contact.end);
}

// The record into the log and the list: appended at the end with automatic
// dates (the list grows by one line), else inserted in date order (the list
// is the log again).
bool logNewRecord(const MainView& view, const std::string& record, bool automatic) {
  AppState& state = view.state;
  if (!automatic) {
    progress(view.form, 8);
    Result<LogRewrite> rewritten =
        Reecrit_Log(state.programDir, state.StationCall, std::string(QsoLayout::RecordLength, ' '), record);
    if (!rewritten) {
      view.main.raiseFileError(rewritten.error(), MissingFileLabel::Log);
      return false;
    }
    view.main.showList(std::move(rewritten.value().lines));
  } else {
    progress(view.form, 7);
    const int count = state.QsoCount + 1;
    const Result<LogAppend> added = Ajout_Log(state.programDir, state.StationCall, record);
    if (!added) {
      view.main.raiseFileError(added.error(), MissingFileLabel::Log);
      return false;
    }
    if (added->setAside) view.tell(tornLogLineMessage(view.french(), state.programDir, state.StationCall));
    view.main.appendListLine(QsoListLine(count, record));
    view.form.Frame4->setTitle(frame4NumberCaption(view.french(), QString::number(count + 1)));
  }
  view.main.selectLastQso();
  return true;
}

bool saveNewContact(const MainView& view, EntryDraft& draft, QsoFields& contact) {
  AppState& state = view.state;
  const EntryForm& form = view.form;
  progress(form, 2);
  const ContactFileJobs jobs = jobsOfNewContact(view, draft, contact);
  if (!reportFileUpdates(view, draft, updateContactFiles(state.programDir, state.StationCall, jobs))) return false;

  progress(form, 6);
  if (!showGridOfContact(view, draft, contact)) return false;
  const bool automatic = view.main.automaticDate();
  if (automatic) stampEndTime(view, draft, contact);
  form.Label26->setVisible(false);

  const std::optional<std::string> record = newContactRecord(contact, draft.EntryPrefix, draft.QsoPoints);
  if (!record) return false;  // checkContact made sure it fits before anything was written
  draft.CurrentRecord = *record;
  setSaveCaption(form, nextQsoCaption(view.french()));
  form.Enregistrer->setEnabled(false);
  return logNewRecord(view, *record, automatic);
}

bool saveEditedContact(const MainView& view, EntryDraft& draft, Maintenance& maintenance, const QsoFields& contact) {
  AppState& state = view.state;
  const EntryForm& form = view.form;
  const bool fr = view.french();
  progress(form, 9);
  draft.QsoPoints = editedContactPoints(contact.band, contact.distance, draft.QsoPoints);
  const std::optional<std::string> record = editedContactRecord(contact, draft.EditedLine, draft.QsoPoints);
  if (!record) return false;  // the fields were checked to fit before anything was written
  draft.CurrentRecord = *record;

  progress(form, 10);
  Result<LogRewrite> rewritten = Reecrit_Log(state.programDir, state.StationCall, draft.EditedLine, *record);
  if (!rewritten) {
    view.main.raiseFileError(rewritten.error(), MissingFileLabel::Log);
    return false;
  }
  progress(form, 12);
  view.main.showList(std::move(rewritten.value().lines));
  view.main.selectLastQso();
  if (!rewritten->oldLineFound) {
    // Nothing was written; the edit stays open, its texts on screen, until
    // Annuler.
    view.tell(contactNotFoundMessage(fr, ContactChange::Edit));
    return false;
  }

  form.Indicatif_A->setEnabled(true);
  form.Bande_A->setEnabled(true);
  closeFieldsOpenedInTurn(form);
  form.Enregistrer->setEnabled(false);
  setSaveCaption(form, nextQsoCaption(fr));
  enableButtonsAtRest(form);
  draft.EntryEditing = false;
  Liste_QSO_Click(view, draft);

  // The edit may have changed the band, the mode, the prefix or the
  // departement: the tallies are recomputed from the log.
  if (!maintenance.rebuildFromLog(false)) return false;
  return view.main.showEntryGrid(Frame3Caller::StartUpOrSave, draft.EntryBand);
}

}  // namespace

void Enregistrer_Click(const MainView& view, EntryDraft& draft, Maintenance& maintenance) {
  AppState& state = view.state;
  const EntryForm& form = view.form;
  const bool fr = view.french();
  if (isTemplateStation(state.StationCall)) {
    // Nothing is logged before a station is set.  A new contact waits at its
    // callsign, to be looked up again for the station chosen; an edit of the
    // template log is abandoned.
    if (draft.EntryEditing)
      Annuler_Click(view, draft);
    else
      backToCallsign(form);
    view.main.askForStation();
    return;
  }
  if (const std::optional<QString> bad = unencodableInForm(form)) {
    view.tell(unencodableCharacterMessage(fr, *bad));
    return;
  }
  QsoFields contact = contactToSave(form);
  progress(form, 1);
  // Everything that can refuse the save is looked at before any file changes.
  if (const std::optional<ContactRefusal> refusal = checkContact(contact, checkContext(view, draft))) {
    view.tell(contactRefusalMessage(*refusal, fr));
    if (QWidget* field = controlOf(form, refusal->field)) field->setFocus();
    return;
  }
  if (draft.EntryEditing && logHoldsOneContact(state.programDir, state.StationCall)) {
    view.tell(oneContactEditMessage(fr));
    return;
  }

  setFieldText(form.Prenom_A, contact.firstName);
  if (draft.EntryEditing)
    reportListError(
        view, Ajoute_Prenom(state.programDir, firstNameLine(contact.callsign, contact.departement, contact.firstName),
                            draft.FirstNameMissing));

  const bool saved =
      draft.EntryEditing ? saveEditedContact(view, draft, maintenance, contact) : saveNewContact(view, draft, contact);
  if (saved) resetForNextContact(view, draft);
}

void resetForNextContact(const MainView& view, const EntryDraft& draft) {
  AppState& state = view.state;
  const EntryForm& form = view.form;
  namespace S = Settings::Station;
  progress(form, 13);
  // The next contact is on the band of the entry, the one just used.
  showEntryBand(form, draft);
  selectComboIndex(form.Mode_A, Settings::getInt(state.settings, S::ModeUsed, state.StationCall, 0));

  const bool automatic = view.main.automaticDate();
  for (QLineEdit* field : {form.Indicatif_A, form.Depart_A, form.Locator_A}) field->clear();
  form.Mode_A->setEnabled(true);
  if (automatic) form.Date_A->clear();
  selectComboIndex(form.Activite_A, Settings::getInt(state.settings, S::Activity, state.StationCall, 0));
  form.Activite_A->setEnabled(false);
  form.Debut_A->clear();
  form.Fin_A->clear();
  const std::string report = defaultReport(fieldText(form.Mode_A));
  setFieldText(form.RSTR_A, report);
  setFieldText(form.RSTE_A, report);
  for (QLineEdit* field : {form.Prenom_A, form.QTH_A, form.Distance_A, form.Azimut_A}) field->clear();
  // With typed dates the castle name stays for the next contact, as the date does.
  if (automatic) form.Remarques_A->clear();
  form.Label5->setText(callsignRestCaption());
  for (QWidget* field :
       {static_cast<QWidget*>(form.Bande_A), static_cast<QWidget*>(form.Depart_A), static_cast<QWidget*>(form.Mode_A)})
    setAccepted(field);
  awaitInput(form.Indicatif_A);
  (void)view.main.showPoints();
}

}  // namespace brivant
