#include "entry/ui/EntryChain.h"

#include <QComboBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <memory>

#include "core/Bands.h"
#include "core/DateText.h"
#include "core/MainCaptions.h"
#include "core/MissingFile.h"
#include "core/Safeguards.h"
#include "core/SettingsKeys.h"
#include "core/ui/EntryForm.h"
#include "core/ui/FieldColours.h"
#include "entry/DeptTally.h"
#include "entry/Duplicates.h"
#include "entry/PrefixTally.h"
#include "entry/ReferenceLists.h"
#include "entry/ui/DeptGridView.h"
#include "entry/ui/EntryFields.h"
#include "platform/Cp1252.h"

namespace brivant {

namespace {

bool isEnter(const QKeyEvent& event) { return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter; }

void saveIndex(AppState& state, const Settings::Key& key, int index) { saveSetting(state, key, std::to_string(index)); }

}  // namespace

EntryChain::EntryChain(MainView view, DeptGridView& grid)
    : QObject(view.main.window),
      view_(std::move(view)),
      state_(view_.state),
      form_(view_.form),
      main_(view_.main),
      grid_(grid) {
  setObjectName(QStringLiteral("EntryChain"));
  installKeys();
  installGuards();
}

bool EntryChain::french() const { return state_.french(); }

void EntryChain::startEntry(std::string band) {
  draft_.EntryBand = std::move(band);
  draft_.EntryEditing = false;
}

void EntryChain::refuse(EntryMessage message, const std::string& departement) {
  view_.tell(entryMessageText(message, french(), departement));
}

// --- Keys, clicks and the character guard -----------------------------------------

void EntryChain::installKeys() {
  const auto enterIn = [this](QWidget* field, void (EntryChain::*enter)()) {
    main_.onKeyPress(field, [this, enter](QKeyEvent& event) {
      if (refusesKey(event)) return true;
      if (!isEnter(event)) return false;
      (this->*enter)();
      return true;
    });
  };
  enterIn(form_.Bande_A, &EntryChain::Bande_A_Enter);
  enterIn(form_.Mode_A, &EntryChain::Mode_A_Enter);
  enterIn(form_.Depart_A, &EntryChain::Depart_A_Enter);
  enterIn(form_.Activite_A, &EntryChain::Activite_A_Enter);
  enterIn(form_.Date_A, &EntryChain::Date_A_Enter);
  enterIn(form_.Debut_A, &EntryChain::Debut_A_Enter);
  enterIn(form_.Fin_A, &EntryChain::Fin_A_Enter);
  enterIn(form_.RSTR_A, &EntryChain::RSTR_A_Enter);
  enterIn(form_.RSTE_A, &EntryChain::RSTE_A_Enter);
  enterIn(form_.Prenom_A, &EntryChain::Prenom_A_Enter);
  enterIn(form_.QTH_A, &EntryChain::QTH_A_Enter);
  enterIn(form_.Remarques_A, &EntryChain::Remarques_A_Enter);
  main_.onKeyPress(form_.Indicatif_A, [this](QKeyEvent& event) {
    if (refusesKey(event)) return true;
    if (isEnter(event)) {
      Indicatif_A_Enter();
      return true;
    }
    if (event.key() == Qt::Key_Escape) {
      Indicatif_A_Escape();
      return true;
    }
    return false;
  });
  for (QWidget* other : {static_cast<QWidget*>(form_.Locator_A), static_cast<QWidget*>(form_.Distance_A),
                         static_cast<QWidget*>(form_.Azimut_A)})
    main_.onKeyPress(other, [this](QKeyEvent& event) { return refusesKey(event); });

  // Enter presses a focused button, so that a whole contact is logged from
  // the keyboard.
  for (QPushButton* button : {form_.Enregistrer, form_.Annuler, form_.Editer, form_.Effacer}) {
    main_.onKeyPress(button, [button](QKeyEvent& event) {
      if (!isEnter(event)) return false;
      if (button->isEnabled()) button->click();
      return true;
    });
  }

  connect(form_.Bande_A, &QComboBox::currentTextChanged, this, &EntryChain::bandChanged);
  main_.onMouse(form_.Bande_A, QEvent::MouseButtonPress, [this](QMouseEvent&) {
    Bande_A_Click();
    return false;  // the list still opens
  });
  for (QLineEdit* field : {form_.Indicatif_A, form_.Depart_A}) {
    main_.onMouse(field, QEvent::MouseButtonDblClick, [field](QMouseEvent&) {
      field->clear();
      return true;
    });
  }
}

void EntryChain::installGuards() {
  for (const EntryField& field : form_.fields()) {
    if (auto* edit = qobject_cast<QLineEdit*>(field.control))
      guard(edit, field.capitals);
    else if (QLineEdit* text = qobject_cast<QComboBox*>(field.control)->lineEdit(); text != nullptr)
      guard(text, field.capitals);
  }
}

void EntryChain::guard(QLineEdit* field, bool capitals) {
  // The last text the field held that can be saved: what a refused paste
  // leaves in place.
  auto saved = std::make_shared<QString>(field->text());
  connect(field, &QLineEdit::textChanged, this, [field, saved] {
    if (!Cp1252::firstUnencodable(field->text())) *saved = field->text();
  });
  connect(field, &QLineEdit::textEdited, this, [this, field, saved, capitals] {
    const QString text = field->text();
    if (const std::optional<QString> bad = Cp1252::firstUnencodable(text)) {
      const int caret = std::min<int>(field->cursorPosition(), static_cast<int>(saved->size()));
      field->setText(*saved);
      field->setCursorPosition(caret);
      refuseCharacter(*bad);
      return;
    }
    if (!capitals) return;
    if (const QString upper = Cp1252::upperAscii(text); upper != text) {
      const int caret = field->cursorPosition();
      field->setText(upper);
      field->setCursorPosition(caret);
    }
  });
}

bool EntryChain::refusesKey(const QKeyEvent& event) {
  const std::optional<QString> bad = Cp1252::firstUnencodable(event.text());
  if (!bad) return false;
  refuseCharacter(*bad);
  return true;
}

void EntryChain::refuseCharacter(const QString& character) {
  view_.tell(unencodableCharacterMessage(french(), character));
}

// --- Band and mode ---------------------------------------------------------------

void EntryChain::Bande_A_Enter() {
  if (draft_.EntryEditing) return;
  draft_.EntryBand = fieldText(form_.Bande_A);
  const std::string mode = fieldText(form_.Mode_A);
  if (!main_.Affiche_Departements(draft_.EntryBand, mode)) return;
  form_.Frame3->setTitle(frame3Caption(Frame3Caller::BandEntry, french(), state_.DeptCount, draft_.EntryBand, mode));
  if (const EntryMessage problem = checkBand(draft_.EntryBand); problem != EntryMessage::None) {
    refuse(problem);
    return;
  }
  const int index = matchComboItem(form_.Bande_A);
  setAccepted(form_.Bande_A);
  awaitInput(form_.Mode_A);
  setAccepted(form_.Indicatif_A);
  form_.Indicatif_A->setEnabled(true);
  // "1.8 Mhz" is typed, not listed: it has no index to come back to.
  if (index >= 0) saveIndex(state_, Settings::Station::BandUsed, index);
}

void EntryChain::Bande_A_Click() {
  setAccepted(form_.Indicatif_A);
  form_.Indicatif_A->setEnabled(false);
  setAwaiting(form_.Bande_A);
}

void EntryChain::bandChanged() {
  // An edit shows its contact's band; the entry's comes back with the end of it.
  if (draft_.EntryEditing || fieldText(form_.Bande_A) == draft_.EntryBand) return;
  backToBand(form_);
}

void EntryChain::Mode_A_Enter() {
  const std::string mode = fieldText(form_.Mode_A);
  const bool known = checkMode(mode) == EntryMessage::None;
  if (!draft_.EntryEditing && known) {
    draft_.EntryBand = fieldText(form_.Bande_A);
    if (!main_.Affiche_Departements(draft_.EntryBand, mode)) return;
  }
  form_.Frame3->setTitle(frame3Caption(Frame3Caller::ModeEntry, french(), state_.DeptCount, draft_.EntryBand, mode));
  if (draft_.EntryEditing) return;
  if (!known) {
    refuse(EntryMessage::M1);
    return;
  }
  const std::string report = defaultReport(mode);
  setFieldText(form_.RSTR_A, report);
  setFieldText(form_.RSTE_A, report);
  draft_.EntryMode = mode;
  const int index = matchComboItem(form_.Mode_A);
  setAccepted(form_.Mode_A);
  awaitInput(form_.Indicatif_A);
  saveIndex(state_, Settings::Station::ModeUsed, index);
}

// --- The station -----------------------------------------------------------------

void EntryChain::Indicatif_A_Enter() {
  if (draft_.EntryEditing) return;
  const std::string callsign = fieldText(form_.Indicatif_A);
  if (const EntryMessage problem = checkCallsign(callsign); problem != EntryMessage::None) {
    refuse(problem);
    return;
  }
  draft_.EntryCall = Cp1252::upperAscii(callsign);

  const std::vector<std::string>& lines = main_.listLines();
  const std::optional<LoggedContact> logged =
      findCallsignDuplicate(lines, callsign, fieldText(form_.QTH_A), fieldText(form_.Bande_A), fieldText(form_.Mode_A));
  if (logged) {
    form_.Label5->setText(contactedOnCaption(logged->date));
    view_.tell(callsignDuplicateMessage(french(), callsign, *logged));
    form_.Indicatif_A->clear();
    form_.Indicatif_A->setFocus();
    return;
  }
  if (!lines.empty()) form_.Label5->setText(newCallsignCaption(french()));

  if (!lookUpStation()) return;

  setAccepted(form_.Indicatif_A);
  if (draft_.EntryPrefix != "F") {
    draft_.DeptBandFlag.clear();
    awaitInput(form_.Activite_A);
  } else {
    awaitInput(form_.Depart_A);
  }
}

bool EntryChain::lookUpStation() {
  lookUpFirstName();
  if (!lookUpPrefix()) return false;
  lookUpDirectory();
  return true;
}

// The first-name list may already know the operator and the departement.
void EntryChain::lookUpFirstName() {
  const Result<FirstNameEntry> known = Cherche_Prenom(state_.programDir, draft_.EntryCall);
  if (!known) {
    view_.tell(firstNameListMessage(french()));
    return;
  }
  draft_.FirstNameMissing = !known->found;
  if (!known->found) return;
  form_.Depart_A->setEnabled(true);
  setFieldText(form_.Depart_A, known->departement);
  form_.Prenom_A->setEnabled(true);
  setFieldText(form_.Prenom_A, known->firstName);
}

// The prefix, then the entity's main line, which holds the band's flag; a
// prefix new on this band and mode is confirmed by the operator.
bool EntryChain::lookUpPrefix() {
  const bool fr = french();
  const std::string band = draft_.EntryBand;
  const std::string mode = fieldText(form_.Mode_A);
  draft_.NewPrefixConfirmed = false;
  const Result<PrefixLookup> own = Cherche_Prefixe(state_.programDir, state_.StationCall, draft_.EntryCall, band, mode);
  if (!own) {
    main_.raiseFileError(own.error(), MissingFileLabel::PrefixTallies);
    return false;
  }
  if (!own->found) {
    // Nothing is known of the station: it is logged as a foreign one, and no
    // prefix of an earlier contact is offered or flagged for it.
    view_.tell(unknownPrefixMessage(fr));
    draft_.EntryPrefix.clear();
    draft_.EntryMainPrefix.clear();
    return true;
  }
  PrefixLookup entity = *own;
  const Result<PrefixLookup> mainLine =
      Cherche_Prefixe(state_.programDir, state_.StationCall, own->mainPrefix, band, mode);
  if (!mainLine) {
    main_.raiseFileError(mainLine.error(), MissingFileLabel::PrefixTallies);
    return false;
  }
  if (mainLine->found)
    entity = *mainLine;
  else
    view_.tell(unknownPrefixMessage(fr));
  draft_.EntryPrefix = entity.prefix;
  draft_.EntryMainPrefix = entity.mainPrefix;
  if (entity.flag == "0")
    draft_.NewPrefixConfirmed = state_.dialogs.yesNo(newPrefixQuestion(fr, draft_.EntryPrefix, entity.entityName));
  return true;
}

// The directory's departement and locator for the station.
void EntryChain::lookUpDirectory() {
  const DirectoryEntry directory = Cherche_Nomenclature(state_.programDir, draft_.EntryCall);
  draft_.EntryDept = directory.departement;
  draft_.EntryLocator = directory.locator;
  draft_.DirectoryDept = draft_.EntryDept;
  draft_.DirectoryLocator = draft_.EntryLocator;
  draft_.EntryDept = shownDepartement(draft_.EntryDept);
  setFieldText(form_.Locator_A, draft_.EntryLocator);
}

bool EntryChain::offerCallsign(const QString& callsign) {
  QLineEdit* field = form_.Indicatif_A;
  if (draft_.EntryEditing || !field->isEnabled() || fieldColour(field) != AwaitingColour) return false;
  if (!Cp1252::canEncode(callsign)) return false;
  field->setText(Cp1252::upperAscii(callsign));
  field->setFocus();
  field->window()->activateWindow();
  return true;
}

void EntryChain::Indicatif_A_Escape() {
  setAwaiting(form_.Bande_A);
  form_.Bande_A->setFocus();
  setAccepted(form_.Indicatif_A);
}

void EntryChain::Depart_A_Enter() {
  if (!isFrenchPrefix(draft_.EntryPrefix)) return;
  const std::string text = fieldText(form_.Depart_A);
  if (const EntryMessage problem = checkDepartement(text); problem != EntryMessage::None) {
    refuse(problem);
    return;
  }
  if (draft_.EntryEditing) return;

  const DepartementEntry entry = departementOfField(text);
  if (entry.field != text) setFieldText(form_.Depart_A, entry.field);
  draft_.EntryDept = entry.entryDept;
  const std::string mode = fieldText(form_.Mode_A);
  const Result<DeptLookup> found =
      Cherche_Departement(state_.programDir, state_.StationCall, draft_.EntryDept, draft_.EntryBand, mode);
  if (!found) {
    main_.raiseFileError(found.error(), MissingFileLabel::DepartementTallies);
    return;
  }
  draft_.DeptBandFlag = found->flag;
  if (draft_.DeptBandFlag == "0") {
    if (const std::optional<int> box = deptBoxOfCode(draft_.EntryDept)) grid_.setBoxLevel(*box, 1);
    view_.tell(newDepartementMessage(french(), shownDepartement(draft_.EntryDept), found->name));
  }
  setAccepted(form_.Depart_A);
  awaitInput(form_.Activite_A);
  form_.Mode_A->setEnabled(true);
}

// --- Activity, dates and times ---------------------------------------------------------

void EntryChain::Activite_A_Enter() {
  const std::string activity = fieldText(form_.Activite_A);
  if (const EntryMessage problem = checkActivity(activity, draft_.EntryPrefix); problem != EntryMessage::None) {
    refuse(problem);
    return;
  }
  const bool castle = activity == CastleActivityLabel;
  const int index = matchComboItem(form_.Activite_A);
  form_.Label26->setVisible(castle);
  form_.Label38->setText(castleNameCaption(french(), castle));
  // During an edit the fields hold the logged contact: stamping the clock or
  // blanking the castle name would overwrite it.
  if (draft_.EntryEditing) return;

  setFieldText(form_.Remarques_A, castle ? "C. " : "");
  setAccepted(form_.Activite_A);
  if (main_.automaticDate()) {
    const bool utc = main_.utcTime();
    draft_.EntryDate = currentDate(state_.clock, utc);
    draft_.EntryStart = currentTime(state_.clock, utc).substr(0, 5);
    setFieldText(form_.Date_A, draft_.EntryDate);
    setFieldText(form_.Debut_A, draft_.EntryStart);
    form_.Date_A->setEnabled(true);
    form_.Debut_A->setEnabled(true);
    awaitInputAt(form_.RSTR_A, 2);
  } else {
    awaitInput(form_.Date_A);
  }
  saveIndex(state_, Settings::Station::Activity, index);
}

void EntryChain::Date_A_Enter() {
  if (draft_.EntryEditing) return;
  const std::string text = fieldText(form_.Date_A);
  if (const DateTimeProblem problem = checkDateField(text); problem != DateTimeProblem::None) {
    view_.tell(dateTimeMessage(problem, french()));
    return;
  }
  draft_.EntryDate = text;
  setAccepted(form_.Date_A);
  awaitInput(form_.Debut_A);
}

void EntryChain::Debut_A_Enter() {
  if (draft_.EntryEditing) return;
  const std::string text = fieldText(form_.Debut_A);
  if (const DateTimeProblem problem = checkStartField(text); problem != DateTimeProblem::None) {
    view_.tell(dateTimeMessage(problem, french()));
    return;
  }
  draft_.EntryStart = text;
  setAccepted(form_.Debut_A);
  // The end time starts as the start time: Enter accepts a one-minute contact.
  setFieldText(form_.Fin_A, text);
  awaitInputAt(form_.Fin_A, 5);
}

void EntryChain::Fin_A_Enter() {
  if (draft_.EntryEditing) return;
  const std::string text = fieldText(form_.Fin_A);
  if (const DateTimeProblem problem = checkEndField(text); problem != DateTimeProblem::None) {
    view_.tell(dateTimeMessage(problem, french()));
    return;
  }
  draft_.EntryEnd = text;
  setAccepted(form_.Fin_A);
  awaitInputAt(form_.RSTR_A, 2);
}

// --- Reports, name, castle ---------------------------------------------------------------

void EntryChain::RSTR_A_Enter() {
  if (draft_.EntryEditing) return;
  const std::string text = fieldText(form_.RSTR_A);
  if (const EntryMessage problem = checkRstReceived(text); problem != EntryMessage::None) {
    refuse(problem);
    return;
  }
  draft_.EntryRstReceived = text;
  setAccepted(form_.RSTR_A);
  awaitInputAt(form_.RSTE_A, 2);
}

void EntryChain::RSTE_A_Enter() {
  if (draft_.EntryEditing) return;
  const std::string text = fieldText(form_.RSTE_A);
  if (const EntryMessage problem = checkRstSent(text); problem != EntryMessage::None) {
    refuse(problem);
    return;
  }
  draft_.EntryRstSent = text;
  setAccepted(form_.RSTE_A);
  awaitInput(form_.Prenom_A);
}

void EntryChain::Prenom_A_Enter() {
  if (draft_.EntryEditing) return;
  const std::string text = fieldText(form_.Prenom_A);
  if (const EntryMessage problem = checkFirstName(text); problem != EntryMessage::None) {
    refuse(problem);
    return;
  }
  draft_.EntryFirstName = text;
  setAccepted(form_.Prenom_A);
  awaitInput(fieldText(form_.Activite_A) == CastleActivityLabel ? form_.QTH_A : form_.Remarques_A);
}

void EntryChain::QTH_A_Enter() {
  if (draft_.EntryEditing) return;
  const std::string reference = fieldText(form_.QTH_A);
  const std::optional<LoggedContact> logged =
      findReferenceDuplicate(main_.listLines(), reference, fieldText(form_.Bande_A), fieldText(form_.Mode_A));
  if (logged) {
    form_.Label5->setText(contactedOnCaption(logged->date));
    view_.tell(referenceDuplicateMessage(french(), *logged));
    form_.QTH_A->clear();
    return;
  }
  const std::string departement = fieldText(form_.Depart_A);
  const bool castle = fieldText(form_.Activite_A) == CastleActivityLabel;
  if (const EntryMessage problem = checkReference(reference, castle, draft_.EntryPrefix, departement);
      problem != EntryMessage::None) {
    refuse(problem, departement);
    return;
  }
  draft_.EntryReference = Cp1252::upperAscii(reference);
  setAccepted(form_.QTH_A);
  form_.Annuler->setEnabled(true);
  awaitInput(form_.Remarques_A);
}

void EntryChain::Remarques_A_Enter() {
  if (draft_.EntryEditing) return;
  if (const EntryMessage problem = checkCastleName(fieldText(form_.Remarques_A)); problem != EntryMessage::None) {
    refuse(problem);
    return;
  }
  // A band that scores nothing (1.8 Mhz) is worth nothing, rather than the
  // points of the contact before.
  draft_.QsoPoints = pointsOfBand(fieldText(form_.Bande_A)).value_or("0");
  setAccepted(form_.Remarques_A);
  form_.Annuler->setEnabled(true);
  form_.Enregistrer->setEnabled(true);
  form_.Enregistrer->setFocus();
}

}  // namespace brivant
