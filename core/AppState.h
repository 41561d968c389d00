#pragma once
// The program-wide state shared by every window: the station, the list and the
// contact being typed, plus the platform services they work through.

#include <filesystem>
#include <string>
#include <string_view>

#include "core/History.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"

namespace brivant {

struct AppState {
  AppState(std::filesystem::path programDirectory, SettingsStore& store, const Clock& systemClock, Dialogs& dialogBoxes)
      : programDir(std::move(programDirectory)), settings(store), clock(systemClock), dialogs(dialogBoxes) {}

  // Services.
  std::filesystem::path programDir;
  SettingsStore& settings;
  const Clock& clock;
  Dialogs& dialogs;

  // Station (all texts are Windows-1252 bytes unless said otherwise).
  std::string StationCall = "FXXXX";
  std::string StationLocator;
  std::string JncDate;
  std::string Language = "An";  // "Fr" or "An"
  bool FirstRun = false;
  double BandIndex = 0;
  std::string RevisionText{brivant::RevisionText};
  std::string HistoryText;  // UTF-8

  // List of contacts.
  int QsoCount = 0;
  std::string EditedLine;
  std::string CurrentRecord;
  std::string QsoPoints;

  // Contact being typed.
  std::string EntryBand;
  std::string EntryMode;
  std::string EntryCall;
  std::string EntryPrefix;
  std::string EntryMainPrefix;
  std::string NewPrefixConfirmed = "N";
  std::string EntryDept;
  std::string EntryLocator;
  std::string DirectoryDept;
  std::string DirectoryLocator;
  std::string DeptBandFlag;
  int DeptCount = 0;
  std::string GridBand;
  std::string EntryDate;
  std::string EntryStart;
  std::string EntryEnd;
  std::string EntryRstReceived;
  std::string EntryRstSent;
  std::string EntryFirstName;
  std::string EntryReference;
  bool EntryEditing = false;
  bool FirstNameMissing = true;

  // Locator geometry results.
  int AzimuthValue = 0;
  std::string DistanceText;

  bool french() const { return Language == "Fr"; }
  std::filesystem::path file(std::string_view name) const { return programDir / std::string(name); }
};

}  // namespace brivant
