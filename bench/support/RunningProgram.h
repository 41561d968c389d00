#pragma once
// The whole program, put together as it ships, on scratch folders: the
// station F6ABC with a 10,000-contact log, in French, every message box
// answered at once.  Settings saved in `store` before start() are the ones
// it starts with.

#include <memory>
#include <string_view>

#include "app/Composition.h"
#include "bench/support/AnsweringDialogs.h"
#include "bench/support/GeneratedLog.h"
#include "core/AppState.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"

namespace brivant::bench {

struct RunningProgram {
  static constexpr std::string_view Station = "F6ABC";

  ScratchFolder programDir;
  ScratchFolder settingsDir;
  SettingsStore store{settingsDir.path()};
  FixedClock clock{{2026, 6, 6, 12, 0, 0}, 120};
  AnsweringDialogs dialogs;
  std::unique_ptr<AppState> appState;
  std::unique_ptr<Composition> composition;

  // Seeds the folder, writes the log, starts the program and shows its main
  // window; false when it did not start.
  bool start();
};

}  // namespace brivant::bench
