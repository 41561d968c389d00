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

#include "core/DateText.h"
#include "core/MissingFile.h"
#include "core/SettingsKeys.h"
#include "core/ui/FieldColours.h"
#include "core/ui/Main.h"
#include "entry/DeptTally.h"
#include "entry/Duplicates.h"
#include "entry/PrefixTally.h"
#include "entry/ReferenceLists.h"
#include "entry/ui/EditDelete.h"
#include "entry/ui/EntryFields.h"
#include "entry/ui/MainGrid.h"
#include "platform/Cp1252.h"
#include "scoring/ui/Enregistrer.h"

namespace brivant {

namespace {

bool isEnter(const QKeyEvent& event) { return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter; }

QString upperAscii(const QString& text) {
  QString upper = text;
  for (QChar& c : upper)
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 0x20);
  return upper;
}

void saveIndex(AppState& state, const Settings::Key& key, int index) {
  (void)Settings::save(state.settings, key, state.StationCall, std::to_string(index));
}

}  // namespace

EntryChain::EntryChain(Main& main) : QObject(&main), main_(main), state_(main.state()) {
  setObjectName(QStringLiteral("EntryChain"));
  installKeys();
  installGuards();
  connect(main_.Enregistrer, &QPushButton::clicked, this, [this] { Enregistrer_Click(main_); });
  connect(main_.Annuler, &QPushButton::clicked, this, [this] { Annuler_Click(main_); });
  connect(main_.Editer, &QPushButton::clicked, this, [this] { Editer_Click(main_); });
  connect(main_.Effacer, &QPushButton::clicked, this, [this] { Effacer_Click(main_); });
  connect(main_.Liste_QSO->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this] { Liste_QSO_Click(main_); });
  // Only "QSO Suivant" waits for a whole contact.
  for (QPushButton* button : {main_.Annuler, main_.Editer, main_.Effacer}) button->setEnabled(true);
}

bool EntryChain::french() const { return state_.french(); }

void EntryChain::refuse(EntryMessage message, const std::string& departement) {
  tell(main_, entryMessageText(message, french(), departement));
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
  enterIn(main_.Bande_A, &EntryChain::Bande_A_Enter);
  enterIn(main_.Mode_A, &EntryChain::Mode_A_Enter);
  enterIn(main_.Depart_A, &EntryChain::Depart_A_Enter);
  enterIn(main_.Activite_A, &EntryChain::Activite_A_Enter);
  enterIn(main_.Date_A, &EntryChain::Date_A_Enter);
  enterIn(main_.Debut_A, &EntryChain::Debut_A_Enter);
  enterIn(main_.Fin_A, &EntryChain::Fin_A_Enter);
  enterIn(main_.RSTR_A, &EntryChain::RSTR_A_Enter);
  enterIn(main_.RSTE_A, &EntryChain::RSTE_A_Enter);
  enterIn(main_.Prenom_A, &EntryChain::Prenom_A_Enter);
  enterIn(main_.QTH_A, &EntryChain::QTH_A_Enter);
  enterIn(main_.Remarques_A, &EntryChain::Remarques_A_Enter);
  main_.onKeyPress(main_.Indicatif_A, [this](QKeyEvent& event) {
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
  for (QWidget* other : {static_cast<QWidget*>(main_.Locator_A), static_cast<QWidget*>(main_.Distance_A),
                         static_cast<QWidget*>(main_.Azimut_A)})
    main_.onKeyPress(other, [this](QKeyEvent& event) { return refusesKey(event); });

  // Enter presses a focused button, so that a whole contact is logged from
  // the keyboard.
  for (QPushButton* button : {main_.Enregistrer, main_.Annuler, main_.Editer, main_.Effacer}) {
    main_.onKeyPress(button, [button](QKeyEvent& event) {
      if (!isEnter(event)) return false;
      if (button->isEnabled()) button->click();
      return true;
    });
  }

  main_.onMouse(main_.Bande_A, QEvent::MouseButtonPress, [this](QMouseEvent&) {
    Bande_A_Click();
    return false;  // the list still opens
  });
  for (QLineEdit* field : {main_.Indicatif_A, main_.Depart_A}) {
    main_.onMouse(field, QEvent::MouseButtonDblClick, [field](QMouseEvent&) {
      field->clear();
      return true;
    });
  }
}

void EntryChain::installGuards() {
  guard(main_.Indicatif_A, true);
  guard(main_.Prenom_A, true);
  guard(main_.QTH_A, true);
  guard(main_.Remarques_A, true);
  for (QLineEdit* field : {main_.Depart_A, main_.Locator_A, main_.Date_A, main_.Debut_A, main_.Fin_A, main_.RSTR_A,
                           main_.RSTE_A, main_.Distance_A, main_.Azimut_A})
    guard(field, false);
  for (QComboBox* combo : {main_.Bande_A, main_.Mode_A, main_.Activite_A})
    if (combo->lineEdit() != nullptr) guard(combo->lineEdit(), false);
}

void EntryChain::guard(QLineEdit* field, bool capitals) {
  // The last text the field held that can be saved: what a refused paste
  // leaves in place.
  auto saved = std::make_shared<QString>(field->text());
  connect(field, &QLineEdit::textChanged, this, [field, saved] {
    if (!firstUnencodableCharacter(field->text())) *saved = field->text();
  });
  connect(field, &QLineEdit::textEdited, this, [this, field, saved, capitals] {
    const QString text = field->text();
    if (const std::optional<QString> bad = firstUnencodableCharacter(text)) {
      const int caret = std::min<int>(field->cursorPosition(), static_cast<int>(saved->size()));
      field->setText(*saved);
      field->setCursorPosition(caret);
      refuseCharacter(*bad);
      return;
    }
    if (!capitals) return;
    if (const QString upper = upperAscii(text); upper != text) {
      const int caret = field->cursorPosition();
      field->setText(upper);
      field->setCursorPosition(caret);
    }
  });
}

bool EntryChain::refusesKey(const QKeyEvent& event) {
  const std::optional<QString> bad = firstUnencodableCharacter(event.text());
  if (!bad) return false;
  refuseCharacter(*bad);
  return true;
}

void EntryChain::refuseCharacter(const QString& character) {
  tell(main_, unencodableCharacterMessage(french(), character));
}

// --- Band and mode ---------------------------------------------------------------

void EntryChain::Bande_A_Enter() {
  if (state_.EntryEditing) return;
  state_.EntryBand = fieldText(main_.Bande_A);
  const std::string mode = fieldText(main_.Mode_A);
  if (!main_.Affiche_Departements(state_.EntryBand, mode)) return;
  main_.Frame3->setTitle(frame3Caption(Frame3Caller::BandEntry, french(), state_.DeptCount, state_.EntryBand, mode));
  if (const EntryMessage problem = checkBand(state_.EntryBand); problem != EntryMessage::None) {
    refuse(problem);
    return;
  }
  const int index = matchComboItem(main_.Bande_A);
  setAccepted(main_.Bande_A);
  awaitInput(main_.Mode_A);
  setAccepted(main_.Indicatif_A);
  main_.Indicatif_A->setEnabled(true);
  // "1.8 Mhz" is typed, not listed: it has no index to come back to.
  if (index >= 0) saveIndex(state_, Settings::Station::BandUsed, index);
}

void EntryChain::Bande_A_Click() {
  setAccepted(main_.Indicatif_A);
  main_.Indicatif_A->setEnabled(false);
  setAwaiting(main_.Bande_A);
}

void EntryChain::Mode_A_Enter() {
  const std::string mode = fieldText(main_.Mode_A);
  const bool known = checkMode(mode) == EntryMessage::None;
  if (!state_.EntryEditing && known) {
    state_.EntryBand = fieldText(main_.Bande_A);
    if (!main_.Affiche_Departements(state_.EntryBand, mode)) return;
  }
  main_.Frame3->setTitle(frame3Caption(Frame3Caller::ModeEntry, french(), state_.DeptCount, state_.EntryBand, mode));
  if (state_.EntryEditing) return;
  if (!known) {
    refuse(EntryMessage::M1);
    return;
  }
  const std::string report = defaultReport(mode);
  setFieldText(main_.RSTR_A, report);
  setFieldText(main_.RSTE_A, report);
  state_.EntryMode = mode;
  const int index = matchComboItem(main_.Mode_A);
  setAccepted(main_.Mode_A);
  awaitInput(main_.Indicatif_A);
  saveIndex(state_, Settings::Station::ModeUsed, index);
}

// --- The station -----------------------------------------------------------------

void EntryChain::Indicatif_A_Enter() {
  if (state_.EntryEditing) return;
  const std::string callsign = fieldText(main_.Indicatif_A);
  if (const EntryMessage problem = checkCallsign(callsign); problem != EntryMessage::None) {
    refuse(problem);
    return;
  }
  state_.EntryCall = Cp1252::upperAscii(callsign);

  const std::vector<std::string>& lines = main_.listLines();
  const std::optional<LoggedContact> logged =
      findCallsignDuplicate(lines, callsign, fieldText(main_.QTH_A), fieldText(main_.Bande_A), fieldText(main_.Mode_A));
  if (logged) {
    main_.Label5->setText(contactedOnCaption(logged->date));
    tell(main_, callsignDuplicateMessage(french(), callsign, *logged));
    main_.Indicatif_A->clear();
    main_.Indicatif_A->setFocus();
    return;
  }
  if (!lines.empty()) main_.Label5->setText(newCallsignCaption(french()));

  if (!lookUpStation()) return;

  setAccepted(main_.Indicatif_A);
  if (state_.EntryPrefix != "F") {
    state_.DeptBandFlag.clear();
    awaitInput(main_.Activite_A);
  } else {
    awaitInput(main_.Depart_A);
  }
}

bool EntryChain::lookUpStation() {
  const bool fr = french();
  // The first-name list may already know the operator and the departement.
  if (const Result<FirstNameEntry> known = Cherche_Prenom(state_.programDir, state_.EntryCall); !known) {
    tell(main_, firstNameListMessage(fr));
  } else {
    state_.FirstNameMissing = !known->found;
    if (known->found) {
      main_.Depart_A->setEnabled(true);
      setFieldText(main_.Depart_A, known->departement);
      main_.Prenom_A->setEnabled(true);
      setFieldText(main_.Prenom_A, known->firstName);
    }
  }

  // The prefix, then the entity's main line, which holds the band's flag.
  const std::string band = state_.EntryBand;
  const std::string mode = fieldText(main_.Mode_A);
  state_.NewPrefixConfirmed = "N";
  const Result<PrefixLookup> own = Cherche_Prefixe(state_.programDir, state_.StationCall, state_.EntryCall, band, mode);
  if (!own) {
    main_.raiseFileError(own.error(), MissingFileLabel::PrefixTallies);
    return false;
  }
  if (!own->found) {
    // Nothing is known of the station: it is logged as a foreign one, and no
    // prefix of an earlier contact is offered or flagged for it.
    tell(main_, unknownPrefixMessage(fr));
    state_.EntryPrefix.clear();
    state_.EntryMainPrefix.clear();
  } else {
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
      tell(main_, unknownPrefixMessage(fr));
    state_.EntryPrefix = entity.prefix;
    state_.EntryMainPrefix = entity.mainPrefix;
    if (entity.flag == "0")
      state_.NewPrefixConfirmed =
          state_.dialogs.yesNo(newPrefixQuestion(fr, state_.EntryPrefix, entity.entityName)) ? "O" : "N";
  }

  // The directory's departement and locator for the station.
  const DirectoryEntry directory = Cherche_Nomenclature(state_.programDir, state_.EntryCall);
  state_.EntryDept = directory.departement;
  state_.EntryLocator = directory.locator;
  state_.DirectoryDept = state_.EntryDept;
  state_.DirectoryLocator = state_.EntryLocator;
  state_.EntryDept = shownDepartement(state_.EntryDept);
  setFieldText(main_.Locator_A, state_.EntryLocator);
  return true;
}

void EntryChain::Indicatif_A_Escape() {
  setAwaiting(main_.Bande_A);
  main_.Bande_A->setFocus();
  setAccepted(main_.Indicatif_A);
}

void EntryChain::Depart_A_Enter() {
  if (!isFrenchPrefix(state_.EntryPrefix)) return;
  const std::string text = fieldText(main_.Depart_A);
  if (const EntryMessage problem = checkDepartement(text); problem != EntryMessage::None) {
    refuse(problem);
    return;
  }
  if (state_.EntryEditing) return;

  const DepartementEntry entry = departementOfField(text);
  if (entry.field != text) setFieldText(main_.Depart_A, entry.field);
  state_.EntryDept = entry.entryDept;
  const std::string mode = fieldText(main_.Mode_A);
  const Result<DeptLookup> found =
      Cherche_Departement(state_.programDir, state_.StationCall, state_.EntryDept, state_.EntryBand, mode);
  if (!found) {
    main_.raiseFileError(found.error(), MissingFileLabel::DepartementTallies);
    return;
  }
  state_.DeptBandFlag = found->flag;
  if (state_.DeptBandFlag == "0") {
    if (const std::optional<int> box = deptBoxOfCode(state_.EntryDept)) main_.Dpt->setBoxLevel(*box, 1);
    tell(main_, newDepartementMessage(french(), shownDepartement(state_.EntryDept), found->name));
  }
  setAccepted(main_.Depart_A);
  awaitInput(main_.Activite_A);
  main_.Mode_A->setEnabled(true);
}

// --- Activity, dates and times ---------------------------------------------------------

void EntryChain::Activite_A_Enter() {
  const std::string activity = fieldText(main_.Activite_A);
  if (const EntryMessage problem = checkActivity(activity, state_.EntryPrefix); problem != EntryMessage::None) {
    refuse(problem);
    return;
  }
  const bool castle = activity == "CHATEAU";
  const int index = matchComboItem(main_.Activite_A);
  main_.Label26->setVisible(castle);
  main_.Label38->setText(castleNameCaption(french(), castle));
  // During an edit the fields hold the logged contact: stamping the clock or
  // blanking the castle name would overwrite it.
  if (state_.EntryEditing) return;

  setFieldText(main_.Remarques_A, castle ? "C. " : "");
  setAccepted(main_.Activite_A);
  if (main_.automaticDate()) {
    const bool utc = main_.utcTime();
    state_.EntryDate = currentDate(state_.clock, utc);
    state_.EntryStart = currentTime(state_.clock, utc).substr(0, 5);
    setFieldText(main_.Date_A, state_.EntryDate);
    setFieldText(main_.Debut_A, state_.EntryStart);
    main_.Date_A->setEnabled(true);
    main_.Debut_A->setEnabled(true);
    awaitInputAt(main_.RSTR_A, 2);
  } else {
    awaitInput(main_.Date_A);
  }
  saveIndex(state_, Settings::Station::Activity, index);
}

void EntryChain::Date_A_Enter() {
  if (state_.EntryEditing) return;
  const std::string text = fieldText(main_.Date_A);
  if (const DateTimeProblem problem = checkDateField(text); problem != DateTimeProblem::None) {
    tell(main_, dateTimeMessage(problem, french()));
    return;
  }
  state_.EntryDate = text;
  setAccepted(main_.Date_A);
  awaitInput(main_.Debut_A);
}

void EntryChain::Debut_A_Enter() {
  if (state_.EntryEditing) return;
  const std::string text = fieldText(main_.Debut_A);
  if (const DateTimeProblem problem = checkStartField(text); problem != DateTimeProblem::None) {
    tell(main_, dateTimeMessage(problem, french()));
    return;
  }
  state_.EntryStart = text;
  setAccepted(main_.Debut_A);
  // The end time starts as the start time: Enter accepts a one-minute contact.
  setFieldText(main_.Fin_A, text);
  awaitInputAt(main_.Fin_A, 5);
}

void EntryChain::Fin_A_Enter() {
  if (state_.EntryEditing) return;
  const std::string text = fieldText(main_.Fin_A);
  if (const DateTimeProblem problem = checkEndField(text); problem != DateTimeProblem::None) {
    tell(main_, dateTimeMessage(problem, french()));
    return;
  }
  state_.EntryEnd = text;
  setAccepted(main_.Fin_A);
  awaitInputAt(main_.RSTR_A, 2);
}

// --- Reports, name, castle ---------------------------------------------------------------

void EntryChain::RSTR_A_Enter() {
  if (state_.EntryEditing) return;
  const std::string text = fieldText(main_.RSTR_A);
  if (const EntryMessage problem = checkRstReceived(text); problem != EntryMessage::None) {
    refuse(problem);
    return;
  }
  state_.EntryRstReceived = text;
  setAccepted(main_.RSTR_A);
  awaitInputAt(main_.RSTE_A, 2);
}

void EntryChain::RSTE_A_Enter() {
  if (state_.EntryEditing) return;
  const std::string text = fieldText(main_.RSTE_A);
  if (const EntryMessage problem = checkRstSent(text); problem != EntryMessage::None) {
    refuse(problem);
    return;
  }
  state_.EntryRstSent = text;
  setAccepted(main_.RSTE_A);
  awaitInput(main_.Prenom_A);
}

void EntryChain::Prenom_A_Enter() {
  if (state_.EntryEditing) return;
  const std::string text = fieldText(main_.Prenom_A);
  if (const EntryMessage problem = checkFirstName(text); problem != EntryMessage::None) {
    refuse(problem);
    return;
  }
  state_.EntryFirstName = text;
  setAccepted(main_.Prenom_A);
  awaitInput(fieldText(main_.Activite_A) == "CHATEAU" ? main_.QTH_A : main_.Remarques_A);
}

void EntryChain::QTH_A_Enter() {
  if (state_.EntryEditing) return;
  const std::string reference = fieldText(main_.QTH_A);
  const std::optional<LoggedContact> logged =
      findReferenceDuplicate(main_.listLines(), reference, fieldText(main_.Bande_A), fieldText(main_.Mode_A));
  if (logged) {
    main_.Label5->setText(contactedOnCaption(logged->date));
    tell(main_, referenceDuplicateMessage(french(), *logged));
    main_.QTH_A->clear();
    return;
  }
  const std::string departement = fieldText(main_.Depart_A);
  const bool castle = fieldText(main_.Activite_A) == "CHATEAU";
  if (const EntryMessage problem = checkReference(reference, castle, state_.EntryPrefix, departement);
      problem != EntryMessage::None) {
    refuse(problem, departement);
    return;
  }
  state_.EntryReference = Cp1252::upperAscii(reference);
  setAccepted(main_.QTH_A);
  main_.Annuler->setEnabled(true);
  awaitInput(main_.Remarques_A);
}

void EntryChain::Remarques_A_Enter() {
  if (state_.EntryEditing) return;
  if (const EntryMessage problem = checkCastleName(fieldText(main_.Remarques_A)); problem != EntryMessage::None) {
    refuse(problem);
    return;
  }
  // A band that scores nothing (1.8 Mhz) is worth nothing, rather than the
  // points of the contact before.
  state_.QsoPoints = pointsOfBand(fieldText(main_.Bande_A)).value_or("0");
  setAccepted(main_.Remarques_A);
  main_.Annuler->setEnabled(true);
  main_.Enregistrer->setEnabled(true);
  main_.Enregistrer->setFocus();
}

}  // namespace brivant
