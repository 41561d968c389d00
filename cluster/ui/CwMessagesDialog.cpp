#include "cluster/ui/CwMessagesDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Language.h"
#include "core/Safeguards.h"
#include "core/Station.h"
#include "core/ui/Centre.h"
#include "core/ui/KeyboardAccess.h"
#include "core/ui/Named.h"
#include "platform/Cp1252.h"

namespace brivant {

CwMessagesDialog::CwMessagesDialog(AppState& state, QWidget* parent) : QDialog(parent), state_(state) {
  setObjectName(QStringLiteral("CwMessagesDialog"));
  const bool fr = state.french();
  setWindowTitle(pick(fr, "Messages CW", "CW messages"));
  auto* layout = new QVBoxLayout(this);

  macrosLabel = named(new QLabel(pick(fr,
                                      "Dans les messages : {MYCALL} mon indicatif, {CALL} l'indicatif saisi, {RST} le "
                                      "report envoyé, {MYREF} ma référence, {MYDPT} mon département, {NAME} le prénom "
                                      "saisi.\nDans la fenêtre principale : F1 à F8 envoient, Échap arrête, Page "
                                      "préc. et Page suiv. changent la vitesse de 2 wpm.",
                                      "In the messages: {MYCALL} my callsign, {CALL} the callsign typed, {RST} the "
                                      "report sent, {MYREF} my reference, {MYDPT} my department, {NAME} the first "
                                      "name typed.\nIn the main window: F1 to F8 send, Escape stops, Page Up and Page "
                                      "Down change the speed by 2 wpm."),
                                 this),
                      "macrosLabel");
  macrosLabel->setWordWrap(true);
  layout->addWidget(macrosLabel);

  auto* grid = new QGridLayout;
  for (int key = 1; key <= CwSettings::MessageCount; ++key) {
    QLabel* label = new QLabel(QStringLiteral("F&%1").arg(key), this);
    label->setObjectName(QStringLiteral("keyLabelF%1").arg(key));
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("messageF%1").arg(key));
    edit->setMaxLength(MessageLength);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 36);
    edit->setAccessibleName(pick(fr, "Message F%1", "F%1 message").arg(key));
    label->setBuddy(edit);
    grid->addWidget(label, key - 1, 0);
    grid->addWidget(edit, key - 1, 1);
    keyLabels[key - 1] = label;
    messageEdits[key - 1] = edit;
  }
  referenceLabel =
      named(new QLabel(pick(fr, "&Référence de mon château :", "My castle &reference:"), this), "referenceLabel");
  castleReference = named(new QLineEdit(this), "castleReference");
  castleReference->setMaxLength(ReferenceLength);
  referenceLabel->setBuddy(castleReference);
  departementLabel = named(new QLabel(pick(fr, "&Mon département :", "&My department:"), this), "departementLabel");
  departement = named(new QLineEdit(this), "departement");
  departement->setMaxLength(DepartementLength);
  departementLabel->setBuddy(departement);
  grid->addWidget(referenceLabel, CwSettings::MessageCount, 0);
  grid->addWidget(castleReference, CwSettings::MessageCount, 1, Qt::AlignLeft);
  grid->addWidget(departementLabel, CwSettings::MessageCount + 1, 0);
  grid->addWidget(departement, CwSettings::MessageCount + 1, 1, Qt::AlignLeft);
  layout->addLayout(grid);

  cutNumbers =
      named(new QCheckBox(pick(fr, "Chiffres abrégés", "Cut numbers") + QStringLiteral(" (9 → N, 0 → T)"), this),
            "cutNumbers");
  layout->addWidget(cutNumbers);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  saveButton = named(new QPushButton(pick(fr, "Enregistrer", "Save"), this), "saveButton");
  cancelButton = named(new QPushButton(pick(fr, "Annuler", "Cancel"), this), "cancelButton");
  buttons->addWidget(saveButton);
  buttons->addWidget(cancelButton);
  layout->addLayout(buttons);
  connect(saveButton, &QPushButton::clicked, this, &CwMessagesDialog::save);
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

  giveAltKeys(this);
  enterClicks(this, saveButton);
  load();
  adjustSize();
  centreOnScreen(this);
}

void CwMessagesDialog::load() {
  const std::string& call = state_.StationCall;
  const auto messages = storedCwMessages(state_.settings, call, state_.french());
  for (int i = 0; i < CwSettings::MessageCount; ++i) messageEdits[i]->setText(Cp1252::toQString(messages[i]));
  castleReference->setText(
      QString::fromStdString(Settings::getText(state_.settings, Settings::Station::ActivityNumber, call)));
  departement->setText(
      QString::fromStdString(Settings::getText(state_.settings, CwSettings::StationDepartement, call)));
  cutNumbers->setChecked(Settings::getBool(state_.settings, CwSettings::CutNumbers, call));
  messageEdits[0]->setFocus();
}

bool CwMessagesDialog::sendable() {
  std::vector<std::pair<QLineEdit*, QString>> fields;
  for (int i = 0; i < CwSettings::MessageCount; ++i)
    fields.emplace_back(messageEdits[i], QStringLiteral("F%1").arg(i + 1));
  fields.emplace_back(castleReference, pick(state_.french(), "Référence de mon château", "My castle reference"));
  fields.emplace_back(departement, pick(state_.french(), "Mon département", "My department"));
  for (const auto& [field, name] : fields) {
    if (const std::optional<QChar> bad = firstNonAscii(field->text())) {
      state_.dialogs.message(nonAsciiMessage(state_.french(), name, *bad));
      field->setFocus();
      return false;
    }
  }
  return true;
}

void CwMessagesDialog::save() {
  if (!sendable()) return;
  std::vector<SettingWrite> writes;
  for (int i = 0; i < CwSettings::MessageCount; ++i)
    writes.push_back({CwSettings::Messages[i], messageEdits[i]->text().toStdString()});
  writes.push_back({Settings::Station::ActivityNumber, castleReference->text().trimmed().toStdString()});
  writes.push_back({CwSettings::StationDepartement, departement->text().trimmed().toUpper().toStdString()});
  writes.push_back({CwSettings::CutNumbers, SettingsStore::boolText(cutNumbers->isChecked())});
  if (saveSettings(state_, writes)) accept();
}

}  // namespace brivant
