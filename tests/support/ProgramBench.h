#pragma once
// What a window test stands on: a program directory, a settings folder and
// its store, a clock fixed at a given moment, scripted dialogs, and the
// program's state over them.

#include "core/AppState.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestFiles.h"

namespace brivant::testing {

struct ProgramBench {
  explicit ProgramBench(ClockFields now) : clock(now) {}

  TempDir programDir;
  TempDir settingsDir;
  SettingsStore store{settingsDir.path()};
  FixedClock clock;
  ScriptedDialogs dialogs;
  AppState state{programDir.path(), store, clock, dialogs};
};

}  // namespace brivant::testing
