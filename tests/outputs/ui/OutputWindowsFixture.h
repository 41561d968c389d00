#pragma once
// A program directory, a settings store, a fixed clock, scripted dialogs and
// a PDF printer for the output windows' tests.

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <memory>

#include "core/AppState.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "platform/TextFile.h"
#include "platform/ui/Printer.h"
#include "tests/outputs/OutputsTestData.h"
#include "tests/outputs/ui/PdfText.h"
#include "tests/support/ProgramBench.h"
#include "tests/support/ScriptedDialogs.h"

namespace brivant::testing {

class OutputWindowsFixture : public ::testing::Test, protected ProgramBench {
 protected:
  OutputWindowsFixture()
      : ProgramBench(ClockFields{2013, 5, 19, 8, 0, 0}), printer(QString::fromStdString(pdfFile().string())) {
    state.StationCall = "F6ABC";
    state.JncDate = "19/05/13";
    state.Language = "Fr";
  }
  ~OutputWindowsFixture() override { TextFile::testing::setFaultHook({}); }

  fs::path pdfFile() const { return programDir / "printed.pdf"; }
  void saveSetting(const char* key, const QString& value) {
    ASSERT_TRUE(store.save("ZIV", "Setup F6ABC", key, value.toStdString()).ok());
  }

  Printer printer;
  // The main window the menus and their windows belong to; it closes them
  // before the printer goes.
  QWidget mainWindow;
};

}  // namespace brivant::testing
