// The clock of the main window: the date and the two times, refreshed every
// second, and the two options that choose UTC or local time and automatic or
// typed dates.

#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include "core/DateText.h"
#include "core/Safeguards.h"
#include "core/SettingsKeys.h"
#include "core/ui/Main.h"
#include "platform/Cp1252.h"

namespace brivant {

namespace {

QString clockText(const std::string& time, const char* suffix) {
  return Cp1252::toQString(time.substr(0, 5)) + QString::fromLatin1(suffix);
}

QString label15Text(bool automatic) {
  return automatic ? QStringLiteral("Date automatique") : QStringLiteral("Date manuelle");
}

}  // namespace

bool Main::utcTime() const { return Mnu_UTC_Oui->isChecked(); }
bool Main::automaticDate() const { return Mnu_Auto_Oui->isChecked(); }

void Main::Timer1_Timer() {
  const bool utc = utcTime();
  Label37->setText(clockText(Lire_Heure_UTC(state_.clock), " Utc"));
  Label34->setText(clockText(Lire_Heure_Locale(state_.clock), " Loc"));
  // The reference in use reads normally, the other one greyed.
  Label37->setEnabled(utc);
  Label34->setEnabled(!utc);
  Label33->setText(Cp1252::toQString(utc ? Lire_Date_UTC(state_.clock) : Lire_Date_Locale(state_.clock)));
}

void Main::applyClockOptions(bool utc, bool automatic) {
  (utc ? Mnu_UTC_Oui : Mnu_UTC_Non)->setChecked(true);
  (automatic ? Mnu_Auto_Oui : Mnu_Auto_Non)->setChecked(true);
  Label15->setText(label15Text(automatic));
}

void Main::Mnu_Auto_Oui_Click() {
  Mnu_Auto_Oui->setChecked(true);
  Label15->setText(label15Text(true));
  saveSettingBool(state_, Settings::Station::AutomaticDate, true);
  Date_A->clear();
  Remarques_A->clear();
}

void Main::Mnu_Auto_Non_Click() {
  Mnu_Auto_Non->setChecked(true);
  Label15->setText(label15Text(false));
  saveSettingBool(state_, Settings::Station::AutomaticDate, false);
}

void Main::Mnu_UTC_Oui_Click() {
  Mnu_UTC_Oui->setChecked(true);
  saveSettingBool(state_, Settings::Station::UtcTime, true);
  Timer1_Timer();
}

void Main::Mnu_UTC_Non_Click() {
  Mnu_UTC_Non->setChecked(true);
  saveSettingBool(state_, Settings::Station::UtcTime, false);
  Timer1_Timer();
}

}  // namespace brivant
