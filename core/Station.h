#pragma once
// The station identity: callsign checks and display form, the creation of a
// station's files, and the Station window's validation as logic that returns
// what the windows show.

#include <QString>
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/AppState.h"
#include "core/DateText.h"
#include "core/SettingsKeys.h"
#include "platform/Result.h"

namespace brivant {

// Callsigns are stored with "_" where the operator means "/"; titles show "/".
std::string displayCallsign(std::string_view callsign);
QString displayCallsignText(std::string_view callsign);

// What typing does in New_Indicatif: a-z become capitals, "/" becomes "_".
QString filterCallsignTyping(const QString& typed);

enum class CallsignProblem { None, Empty, TooLong, BadCharacter };

struct CallsignCheck {
  std::string callsign;  // the upper-cased candidate
  CallsignProblem problem = CallsignProblem::None;
};

// The checks of a station callsign (Windows-1252 bytes): not empty, at most 12
// characters, only A-Z, 0-9 and "_" once upper-cased.
CallsignCheck checkStationCallsign(std::string_view typed);
QString callsignMessage(CallsignProblem problem, bool french);

// The station callsign read from the settings (Windows-1252) when it is one
// the Station window stores: it passes the checks and is already in capitals.
// Nothing otherwise: such a value must never name a file.
std::optional<std::string> checkedStoredCallsign(std::string_view stored);

// Enter in Nouv_Date: DateEmpty, DateForm or None (messages from dateTimeMessage).
DateTimeProblem checkJncDate(std::string_view text);

// The Station window's fields when it opens.
struct StationWindowFields {
  QString callsign;  // New_Indicatif
  QString locator;   // New_Locator
  QString jncDate;   // Nouv_Date
};
// Reads them from the store and sets FirstRun (the stored callsign is still
// "FXXXX", or cannot name files: then the callsign field starts empty).
StationWindowFields loadStationWindow(AppState& state);

// The template station: the program runs as it until a station is set.  Its
// log is the template log itself, which nothing ever writes: no contact is
// saved, deleted or reset before a station is set.
inline constexpr std::string_view TemplateStation = "FXXXX";
constexpr bool isTemplateStation(std::string_view callsign) { return callsign == TemplateStation; }

// The station templates of the program directory.
inline constexpr std::string_view LogTemplate = "FXXXX.log";
inline constexpr std::string_view DepartementTemplate = "FXXXX_Departement.txt";
inline constexpr std::string_view PrefixTemplate = "FXXXX_Prefixe.txt";

// One of a station's files, and the template of the program directory it
// starts from.
struct StationFile {
  std::string_view templateName;
  std::filesystem::path path;
};
inline constexpr std::size_t StationFileCount = 5;
// The station's files: its log, then its departement tally of each mode, then
// its prefix tally of each mode (modes in the order of core/Bands.h).
std::array<StationFile, StationFileCount> stationFiles(const std::filesystem::path& programDir,
                                                       std::string_view callsign);

// Creates the station's four tally files from the templates and its log, in
// this order: _Departement_SSB, _Departement_CW, _Prefixe_SSB, _Prefixe_CW,
// .log.  The log starts empty, whatever the template log holds.  When the
// station already has a log, its files are kept and only the missing ones are
// made, so that no contact is ever lost.  Stops at the first failure (error
// 53 for a missing template); the copies made stay.
Status Cree_Fichiers_Station(const std::filesystem::path& programDir, std::string_view callsign);

// The message for a missing template, naming the program directory.
QString missingTemplateMessage(bool french, const std::filesystem::path& programDir);
// The message of a failure to make or reset a station's files:
// missingTemplateMessage for error 53, "Erreur N° n" otherwise.  The error
// goes into the diagnostic log.
QString stationFilesErrorMessage(bool french, const FileError& error, const std::filesystem::path& programDir);

// One value the validation writes into the store.
struct SettingWrite {
  Settings::Key key;
  std::string value;
  bool operator==(const SettingWrite& other) const {
    return key.section == other.key.section && key.name == other.key.name && value == other.value;
  }
};

// The values written (UTF-8), in order, for a new station (all its options
// reset) or for one that already has a log (only the callsign, the locator and
// the event date).  The callsign and the date are Windows-1252 bytes.
std::vector<SettingWrite> stationSettingsWrites(bool newStation, std::string_view callsign, std::string_view jncDate);

// Several settings of the station written in one rewrite of the settings
// file: all of them or, when it cannot be written, none.
Status saveStationSettings(SettingsStore& store, std::string_view callsign, const std::vector<SettingWrite>& writes);

// What the windows do after Validation.
struct StationValidation {
  QString message;             // shown first when not empty
  bool accepted = false;       // false: the Station window stays open
  bool clearCallsign = false;  // New_Indicatif is emptied
  bool endProgram = false;     // the station files could not be made
  bool newStation = false;
  // Main window, when accepted.
  QString stationCaption;     // I_Station
  QString frame5Caption;      // "Log de " / "Log of " + display form
  int bandIndex = 0;          // Bande_A
  int modeIndex = 0;          // Mode_A
  bool utc = true;            // Mnu_UTC_Oui checked
  bool automaticDate = true;  // Mnu_Auto_Oui checked
  QString label15;            // "Date automatique" / "Date manuelle"
};

// The Validation button: checks the callsign and the date, creates a new
// station's files, writes the settings (all of them or, when the file cannot
// be written, none), and only then reloads StationCall, StationLocator,
// JncDate into the state and gives the stored band's index.  A refusal or a failure leaves the
// state and the settings on the old station.  The caller then loads the list
// (Charge_Liste_QSO), shows the grid and closes the window.
StationValidation Validation(AppState& state, std::string_view typedCallsign, std::string_view typedDate);

}  // namespace brivant
