#pragma once
// The program-wide state shared by every window, in three groups (the station,
// the list of contacts, the departement grid), plus the platform services
// they work through.  The variables keep their given names; each group says
// who writes it and who reads it, and tests/layering/state-writers.sh holds
// the writers to that.  Texts are Windows-1252 bytes unless said otherwise.

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
//     language), the Station window (Validation: callsign, locator,
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

  bool french() const { return Language == "Fr"; }
};

// The list of contacts (Liste_QSO).
//   Written by: Main, whenever the list is loaded or grows.
//   Read by: the save (the number of a new contact), Annuler and the
//     language switch (Frame4's caption).
struct ListState {
  int QsoCount = 0;
};

// The departement grid shown in Dpt.
//   Written by: Main when it asks for a grid (GridBand: the band shown) and
//     the entry's grid when it draws it (DeptCount).
//   Read by: Main (Frame3's caption, Aff_Langue), the Station window, the
//     maintenance (the grid drawn again after a rebuild or a reset).
struct GridState {
  int DeptCount = 0;
  std::string GridBand;
};

// The contact being typed is not here: the entry chain owns it
// (entry/EntryDraft.h) and hands it to the save.
struct AppState : StationState, ListState, GridState {
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
