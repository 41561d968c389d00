#include "entry/ui/EditDelete.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/MissingFile.h"
#include "core/SettingsKeys.h"
#include "core/ui/FieldColours.h"
#include "core/ui/Main.h"
#include "entry/DeleteContact.h"
#include "entry/DeptTally.h"
#include "entry/EditContact.h"
#include "entry/EntryRules.h"
#include "entry/Locator.h"
#include "entry/ui/EntryFields.h"
#include "entry/ui/MainMaintenance.h"

namespace brivant {

namespace {

// The selected list line, or nothing.
const std::string* selectedLine(Main& main) {
  const int row = main.selectedQso();
  if (row < 0 || static_cast<std::size_t>(row) >= main.listLines().size()) return nullptr;
  return &main.listLines()[static_cast<std::size_t>(row)];
}

void load(QLineEdit* field, const std::string& text) {
  field->clear();
  field->setEnabled(true);
  setFieldText(field, text);
}

}  // namespace

void Liste_QSO_Click(Main& main) {
  AppState& state = main.state();
  if (state.EntryEditing) return;
  const std::string* line = selectedLine(main);
  state.EditedLine = line != nullptr ? *line : std::string();
}

void Editer_Click(Main& main) {
  AppState& state = main.state();
  const bool fr = main.french();
  const std::string* line = selectedLine(main);
  if (line == nullptr) {
    tell(main, selectFirstMessage(fr));
    return;
  }
  state.EditedLine = *line;
  state.EntryEditing = true;
  const EditedContact contact = editedContactOf(state.EditedLine);

  load(main.Indicatif_A, contact.callsign);
  load(main.Depart_A, contact.departement);
  load(main.Locator_A, contact.locator);
  load(main.Date_A, contact.date);
  load(main.Debut_A, contact.start);
  load(main.Fin_A, contact.end);
  load(main.RSTE_A, contact.rstSent);
  load(main.RSTR_A, contact.rstReceived);
  load(main.Prenom_A, contact.firstName);
  load(main.QTH_A, contact.reference);
  main.Bande_A->setEnabled(true);
  setComboText(main.Bande_A, contact.band);
  main.Mode_A->setEnabled(true);
  setComboText(main.Mode_A, contact.mode);
  state.QsoPoints = contact.points;

  const LocatorReadout readout = locatorReadout(state.StationLocator, contact.locator);
  setFieldText(main.Azimut_A, readout.azimuth);
  setFieldText(main.Distance_A, readout.distance);
  if (readout.azimuth != "?") {
    state.AzimuthValue = std::stoi(readout.azimuth);
    state.DistanceText = readout.distance;
  }

  main.Activite_A->setEnabled(true);
  selectComboIndex(main.Activite_A, contact.activityIndex);
  load(main.Remarques_A, contact.castleName);

  main.Enregistrer->setEnabled(true);
  main.Enregistrer->setText(validQsoCaption(fr));
  main.Recherche->setEnabled(false);
  main.Editer->setEnabled(false);
  main.Effacer->setEnabled(false);
  main.Frame4->setTitle(editFrame4Caption(fr, contact.number));
  main.Indicatif_A->setFocus();
}

int Efface_QSO(Main& main, std::string_view callsign) {
  AppState& state = main.state();
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
  awaitInput(main.Indicatif_A);
  main.selectLastQso();
  return outcome->removed ? 0 : 1;
}

void Effacer_Click(Main& main) {
  const std::string* line = selectedLine(main);
  if (line == nullptr) {
    tell(main, selectFirstMessage(main.french()));
    return;
  }
  if (Efface_QSO(main, callsignToDelete(*line)) != 0) return;

  if (!rebuildFromLog(main, false)) return;
  if (!main.showEntryGrid(Frame3Caller::DeleteOrReset)) return;
  (void)main.showPoints();
}

void Annuler_Click(Main& main) {
  AppState& state = main.state();
  namespace S = Settings::Station;
  const int band = Settings::getInt(state.settings, S::BandUsed, state.StationCall, 0);
  // A typed band ("1.8 Mhz") was never stored: the band shown stays.
  if (selectComboIndex(main.Bande_A, band)) state.BandIndex = band;
  selectComboIndex(main.Activite_A, Settings::getInt(state.settings, S::Activity, state.StationCall, 0));
  state.EntryEditing = false;
  Liste_QSO_Click(main);

  for (QLineEdit* field : {main.Indicatif_A, main.Depart_A, main.Locator_A, main.Date_A, main.Debut_A, main.Fin_A,
                           main.Prenom_A, main.QTH_A, main.Remarques_A, main.Distance_A, main.Azimut_A})
    field->clear();
  setComboText(main.Mode_A, "SSB");
  setFieldText(main.RSTR_A, defaultReport("SSB"));
  setFieldText(main.RSTE_A, defaultReport("SSB"));
  main.Label26->setVisible(false);

  for (QWidget* field :
       std::initializer_list<QWidget*>{main.Bande_A, main.Mode_A, main.Activite_A, main.Indicatif_A, main.Depart_A,
                                       main.Locator_A, main.Date_A, main.Debut_A, main.Fin_A, main.RSTR_A, main.RSTE_A,
                                       main.Prenom_A, main.QTH_A, main.Remarques_A, main.Distance_A, main.Azimut_A})
    setAccepted(field);
  if (!main.Affiche_Departements(fieldText(main.Bande_A), fieldText(main.Mode_A))) return;
  main.Label5->setText(callsignRestCaption());

  for (QWidget* field : std::initializer_list<QWidget*>{main.Depart_A, main.Locator_A, main.Mode_A, main.Activite_A,
                                                        main.Date_A, main.Debut_A, main.Fin_A, main.RSTR_A, main.RSTE_A,
                                                        main.Prenom_A, main.QTH_A, main.Remarques_A})
    field->setEnabled(false);
  awaitInput(main.Indicatif_A);

  main.Enregistrer->setEnabled(false);
  for (QPushButton* button : {main.Annuler, main.Recherche, main.Editer, main.Effacer}) button->setEnabled(true);
  main.Frame4->setTitle(cancelFrame4Caption(main.french(), state.QsoCount));
}

}  // namespace brivant
