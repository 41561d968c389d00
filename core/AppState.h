#pragma once
// The program-wide state shared by every window, in four groups (the station,
// the list of contacts, the departement grid, the contact being typed), plus
// the platform services they work through.  The variables keep their given
// names; each group says which windows write it and which read it.  Texts are
// Windows-1252 bytes unless said otherwise.

#include <filesystem>
#include <string>
#include <string_view>

#include "core/History.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"

namespace brivant {

// The station and the program.
//   Written by: Main's start-up (Form_Load: callsign, locator, event date,
//     language, history), the Station window (Validation: callsign, locator,
//     event date, FirstRun) and the language menu (Language).
//   Read by: every window (StationCall names the station's files, Language
//     chooses the texts), the outputs (JncDate and RevisionText on the
//     sheet, the listing and the exports' names), the closing reminder.
struct StationState {
  std::string StationCall = "FXXXX";
  std::string StationLocator;
  std::string JncDate;
  std::string Language = "An";  // "Fr" or "An"
  bool FirstRun = false;
  std::string RevisionText{brivant::RevisionText};
  std::string HistoryText;  // UTF-8

  bool french() const { return Language == "Fr"; }
};

// The list of contacts (Liste_QSO) and the contact it leads to.
//   Written by: Main (QsoCount, whenever the list is loaded or grows), the
//     list's selection and Editer (EditedLine), the entry and Editer
//     (QsoPoints), the save (CurrentRecord, QsoPoints of an edit).
//   Read by: the save (EditedLine is the line an edit replaces; QsoPoints go
//     into the record), Annuler and the language switch (QsoCount in Frame4).
struct ListState {
  int QsoCount = 0;
  std::string EditedLine;
  std::string CurrentRecord;
  std::string QsoPoints;
};

// The departement grid shown in Dpt.
//   Written by: the entry's grid (DeptCount, each time the grid is drawn),
//     Main's start-up and the grid of the band being entered (GridBand), the
//     save (GridBand: the band of the contact saved).
//   Read by: Main (Frame3's caption, Aff_Langue), the Station window, the
//     reset.
struct GridState {
  int DeptCount = 0;
  std::string GridBand;
};

// The contact being typed, field by field as the entry accepts it, and what
// the lookups of its callsign found.
//   Written by: the entry chain (each field's Enter), Editer and Annuler,
//     the save (EntryEnd stamped, EntryPrefix flagged, BandIndex and
//     EntryEditing at the end), Main's start-up (EntryBand, BandIndex,
//     EntryEditing) and the Station window (BandIndex).
//   Read by: the entry chain and the save only.
struct EntryState {
  double BandIndex = 0;
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
  std::string EntryDate;
  std::string EntryStart;
  std::string EntryEnd;
  std::string EntryRstReceived;
  std::string EntryRstSent;
  std::string EntryFirstName;
  std::string EntryReference;
  bool EntryEditing = false;
  bool FirstNameMissing = true;
  // The locator readouts of an edited contact (Editer).
  int AzimuthValue = 0;
  std::string DistanceText;
};

struct AppState : StationState, ListState, GridState, EntryState {
  AppState(std::filesystem::path programDirectory, SettingsStore& store, const Clock& systemClock, Dialogs& dialogBoxes)
      : programDir(std::move(programDirectory)), settings(store), clock(systemClock), dialogs(dialogBoxes) {}

  // Services.
  std::filesystem::path programDir;
  SettingsStore& settings;
  const Clock& clock;
  Dialogs& dialogs;

  std::filesystem::path file(std::string_view name) const { return programDir / std::string(name); }
};

}  // namespace brivant
