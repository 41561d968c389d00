#pragma once
// Every key of the settings store: its section, its name and its default when
// read, with small readers and writers that pick the right section.

#include <string>
#include <string_view>

#include "platform/Result.h"
#include "platform/SettingsStore.h"

namespace brivant::Settings {

// Everything lives under the application "ZIV".
inline constexpr std::string_view Application = "ZIV";

enum class Section {
  Common,   // "Setup " (the trailing blank is part of the name)
  Station,  // "Setup " + the station callsign
};

struct Key {
  Section section;
  std::string_view name;          // UTF-8, exactly as stored
  std::string_view defaultValue;  // the usual default when read
};

// The section name for a key of the given station.
std::string sectionName(Section section, std::string_view stationCall);

// Common section.
namespace Common {
inline constexpr Key StationCallsign{Section::Common, "Indicatif Station", "FXXXX"};
// Its default depends on the reader: "XXXX" at start-up, "JN18GU" in the
// Station window, "------" after validation.
inline constexpr Key StationLocator{Section::Common, "Locator Station", "XXXX"};
inline constexpr std::string_view StationLocatorInStationWindow = "JN18GU";
inline constexpr std::string_view StationLocatorAfterValidation = "------";
inline constexpr Key ProgramDirectory{Section::Common, "Chemin Repertoire", ""};
inline constexpr Key ClusterBand{Section::Common, "bande Cluster", "0"};
inline constexpr Key ClusterBand1{Section::Common, "bande Cluster 1", "0"};
inline constexpr Key TransceiverModel{Section::Common, "Transceiver", "2"};
inline constexpr Key ComPort{Section::Common, "Port Com", "0"};
inline constexpr Key Baud{Section::Common, "Baud", "0"};
}  // namespace Common

// Per-station section.
namespace Station {
// Absent reads as the empty text, which selects English.
inline constexpr Key Language{Section::Station, "Langue", ""};
inline constexpr Key StationCallsign{Section::Station, "Indicatif Station", ""};
inline constexpr Key StationLocator{Section::Station, "Locator Station", ""};
inline constexpr Key Session{Section::Station, "Session", "HF"};
// Default 1 at start-up and in the map and statistics windows; 0 in the save
// pipeline, in Annuler and in the station validation.
inline constexpr Key BandUsed{Section::Station, "bande Utilisee", "1"};
inline constexpr std::string_view BandUsedInPipeline = "0";
inline constexpr Key ModeUsed{Section::Station, "Mode Utilise", "0"};
inline constexpr Key Activity{Section::Station, "Activite", "0"};
// "01/01/06" at start-up, the empty text in the Station window.
inline constexpr Key JncDate{Section::Station, "Date ZIV", "01/01/06"};
inline constexpr std::string_view JncDateInStationWindow = "";
inline constexpr Key UtcTime{Section::Station, "Heure UTC", "True"};
inline constexpr Key AutomaticDate{Section::Station, "Date Automatique", "True"};
inline constexpr Key Revision{Section::Station, "Revision", ""};

// Header of the recapitulative sheet.
inline constexpr Key Name{Section::Station, "Nom", ""};
inline constexpr Key FirstName{Section::Station, "Prenom", ""};
inline constexpr Key Callsign{Section::Station, "Indicatif", ""};
inline constexpr Key Address1{Section::Station, "Adresse 1", ""};
inline constexpr Key Address2{Section::Station, "Adresse 2", ""};
inline constexpr Key Country{Section::Station, "Pays", ""};
inline constexpr Key Reference{Section::Station, "Reference", ""};
// Shared by the recapitulative sheet and the label window.
inline constexpr Key Town{Section::Station, "Commune", ""};
inline constexpr Key Operators{Section::Station, "Operateurs", ""};
inline constexpr Key Category{Section::Station, "Categorie", "3"};

// QSL label options.
inline constexpr Key ActivityNumber{Section::Station, "N° Activite", ""};
inline constexpr Key ActivityName{Section::Station, "Nom Activite", ""};
inline constexpr Key CantonNumber{Section::Station, "N° Canton", ""};
inline constexpr Key PostCode{Section::Station, "N° CP", ""};
// The text printed on labels (not the radio model of the common section).
inline constexpr Key LabelTransceiver{Section::Station, "Transceiver", ""};
inline constexpr Key Antenna{Section::Station, "Antenne", ""};
inline constexpr Key LabelLanguage{Section::Station, "Language", "True"};
inline constexpr Key LabelFormat{Section::Station, "Format etiquette", "2"};
inline constexpr Key LabelType{Section::Station, "Type etiquette", "1"};
inline constexpr Key QslFormat{Section::Station, "Format QSL", "1"};
inline constexpr Key VerticalCentring{Section::Station, "Centrage V", "2"};
}  // namespace Station

// Reads with the key's default, or with the default the caller's context uses.
std::string getText(const SettingsStore& store, const Key& key, std::string_view stationCall);
std::string getText(const SettingsStore& store, const Key& key, std::string_view stationCall,
                    std::string_view defaultValue);
bool getBool(const SettingsStore& store, const Key& key, std::string_view stationCall);
// Numbers are read as the store reads them; the default when absent or not a number.
int getInt(const SettingsStore& store, const Key& key, std::string_view stationCall);
int getInt(const SettingsStore& store, const Key& key, std::string_view stationCall, int defaultValue);

Status save(SettingsStore& store, const Key& key, std::string_view stationCall, std::string_view value);
Status saveBool(SettingsStore& store, const Key& key, std::string_view stationCall, bool value);

}  // namespace brivant::Settings
