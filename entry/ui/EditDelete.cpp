#include "entry/ui/EditDelete.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/Bands.h"
#include "core/MissingFile.h"
#include "core/SettingsKeys.h"
#include "core/Station.h"
#include "core/ui/EntryForm.h"
#include "core/ui/FieldColours.h"
#include "entry/DeleteContact.h"
#include "entry/DeptTally.h"
#include "entry/EditContact.h"
#include "entry/EntryDraft.h"
#include "entry/EntryRules.h"
#include "entry/Locator.h"
#include "entry/ui/EntryFields.h"
#include "entry/ui/Maintenance.h"

namespace brivant {

namespace {

// The selected list line, or nothing.
const std::string* selectedLine(const MainOperations& main) {
  const int row = main.selectedQso();
  const std::vector<std::string>& lines = main.listLines();
  if (row < 0 || static_cast<std::size_t>(row) >= lines.size()) return nullptr;
  return &lines[static_cast<std::size_t>(row)];
}

// A field of the form opened with what the logged contact holds for it.
void load(const EntryField& field, const QsoFields& contact) {
  field.control->setEnabled(true);
  const std::string& text = contact.*field.text;
  if (auto* edit = qobject_cast<QLineEdit*>(field.control)) {
    edit->clear();
    setFieldText(edit, text);
  } else if (field.holds == EntryField::Holds::ItemIndex) {
    selectComboIndex(qobject_cast<QComboBox*>(field.control), activityIndexOf(contact));
  } else {
    setComboText(qobject_cast<QComboBox*>(field.control), text);
  }
}

}  // namespace

void Liste_QSO_Click(const MainView& view, EntryDraft& draft) {
  if (draft.EntryEditing) return;
  const std::string* line = selectedLine(view.main);
  draft.EditedLine = line != nullptr ? *line : std::string();
}

void Editer_Click(const MainView& view, EntryDraft& draft) {
  const EntryForm& form = view.form;
  const bool fr = view.french();
  const std::string* line = selectedLine(view.main);
  if (line == nullptr) {
    view.tell(selectFirstMessage(fr));
    return;
  }
  draft.EditedLine = *line;
  draft.EntryEditing = true;
  const QsoFields contact = contactOfListLine(draft.EditedLine);
  // Every field the operator types gets the logged text back (the reference
  // with its "DFCF "); the distance and the azimuth are computed again.
  for (const EntryField& field : form.fields())
    if (field.typed) load(field, contact);
  draft.QsoPoints = contact.points;

  const LocatorReadout readout = locatorReadout(view.state.StationLocator, contact.locator);
  setFieldText(form.Azimut_A, readout.azimuth);
  setFieldText(form.Distance_A, readout.distance);
  if (readout.azimuth != "?") {
    draft.AzimuthValue = std::stoi(readout.azimuth);
    draft.DistanceText = readout.distance;
  }

  form.Enregistrer->setEnabled(true);
  setSaveCaption(form, validQsoCaption(fr));
  form.Recherche->setEnabled(false);
  form.Editer->setEnabled(false);
  form.Effacer->setEnabled(false);
  form.Frame4->setTitle(editFrame4Caption(fr, listNumberText(draft.EditedLine)));
  form.Indicatif_A->setFocus();
}

int Efface_QSO(const MainView& view, std::string_view callsign) {
  AppState& state = view.state;
  const MainOperations& main = view.main;
  if (!state.dialogs.yesNo(deleteQuestion(callsign))) return 1;
  const int row = main.selectedQso();
  if (row < 0) return 1;
  Result<DeleteOutcome> outcome =
      deleteLoggedContact(state.programDir, state.StationCall, main.listLines(), static_cast<std::size_t>(row));
  if (!outcome) {
    main.raiseFileError(outcome.error(), MissingFileLabel::Log);
    return 1;
  }
  if (main.programEnded()) return 1;
  // The deletion read the log and returns the list as it now is.
  main.showList(std::move(outcome.value().lines));
  awaitInput(view.form.Indicatif_A);
  main.selectLastQso();
  if (!outcome->removed) {
    view.tell(contactNotFoundMessage(view.french(), ContactChange::Delete));
    return 1;
  }
  return 0;
}

void Effacer_Click(const MainView& view, const EntryDraft& draft, Maintenance& maintenance) {
  // The template log is never written.
  if (isTemplateStation(view.state.StationCall)) {
    view.main.askForStation();
    return;
  }
  const std::string* line = selectedLine(view.main);
  if (line == nullptr) {
    view.tell(selectFirstMessage(view.french()));
    return;
  }
  if (Efface_QSO(view, callsignToDelete(*line)) != 0) return;

  if (!maintenance.rebuildFromLog(false)) return;
  if (!view.main.showEntryGrid(Frame3Caller::DeleteOrReset, draft.EntryBand)) return;
  (void)view.main.showPoints();
}

void Annuler_Click(const MainView& view, EntryDraft& draft) {
  AppState& state = view.state;
  const EntryForm& form = view.form;
  namespace S = Settings::Station;
  selectComboIndex(form.Activite_A, Settings::getInt(state.settings, S::Activity, state.StationCall, 0));
  draft.EntryEditing = false;
  Liste_QSO_Click(view, draft);
  // The entry starts again on its band, the one before an edit, typed ones included.
  showEntryBand(form, draft);

  for (const EntryField& field : form.fields())
    if (auto* edit = qobject_cast<QLineEdit*>(field.control)) edit->clear();
  // The entry starts again in the first mode, with its reports.
  const std::string_view mode = ModeLabels.front();
  setComboText(form.Mode_A, mode);
  setFieldText(form.RSTR_A, defaultReport(mode));
  setFieldText(form.RSTE_A, defaultReport(mode));
  form.Label26->setVisible(false);

  for (const EntryField& field : form.fields()) setAccepted(field.control);
  if (!view.main.Affiche_Departements(fieldText(form.Bande_A), fieldText(form.Mode_A))) return;
  form.Label5->setText(callsignRestCaption());

  closeFieldsOpenedInTurn(form);
  awaitInput(form.Indicatif_A);

  form.Enregistrer->setEnabled(false);
  enableButtonsAtRest(form);
  form.Frame4->setTitle(cancelFrame4Caption(view.french(), state.QsoCount));
}

}  // namespace brivant
