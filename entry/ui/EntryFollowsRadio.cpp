// The entry following the radio read through hamlib: the one way in from the
// radio, kept apart from the entry chain's fields.

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

#include "core/Safeguards.h"
#include "core/SettingsKeys.h"
#include "core/Station.h"
#include "core/ui/EntryForm.h"
#include "core/ui/FieldColours.h"
#include "entry/ui/EntryChain.h"
#include "entry/ui/EntryFields.h"

namespace brivant {

namespace {

bool awaiting(const QWidget* field) { return field->isEnabled() && fieldColour(field) == AwaitingColour; }

}  // namespace

bool EntryChain::followRadio(const std::string& band, const std::string& mode) {
  if (draft_.EntryEditing) return false;
  const bool newContact = awaiting(form_.Bande_A) || awaiting(form_.Mode_A) ||
                          (awaiting(form_.Indicatif_A) && form_.Indicatif_A->text().isEmpty());
  if (!newContact) return false;
  const std::string shownMode = fieldText(form_.Mode_A);
  const std::string newMode = mode.empty() ? shownMode : mode;
  if (checkBand(band) != EntryMessage::None || checkMode(newMode) != EntryMessage::None) return false;

  // The entry's band first: a band shown that is not the entry's sends the
  // contact back to Bande_A.
  draft_.EntryBand = band;
  draft_.EntryMode = newMode;
  showEntryBand(form_, draft_);
  setComboText(form_.Mode_A, newMode);
  if (!main_.Affiche_Departements(band, newMode)) return true;
  form_.Frame3->setTitle(frame3Caption(Frame3Caller::ModeEntry, french(), state_.DeptCount, band, newMode));
  if (newMode != shownMode) {
    const std::string report = defaultReport(newMode);
    setFieldText(form_.RSTR_A, report);
    setFieldText(form_.RSTE_A, report);
  }
  // Kept for the next contact, as the fields keep what is entered in them,
  // in one write of the settings.  "1.8 Mhz" is typed, not listed: it has no
  // index to come back to.
  std::vector<SettingWrite> kept;
  const auto keep = [&kept](const Settings::Key& key, int index) {
    if (index >= 0) kept.push_back({key, std::to_string(index)});
  };
  keep(Settings::Station::BandUsed, matchComboItem(form_.Bande_A));
  keep(Settings::Station::ModeUsed, matchComboItem(form_.Mode_A));
  saveSettings(state_, kept);
  return true;
}

}  // namespace brivant
