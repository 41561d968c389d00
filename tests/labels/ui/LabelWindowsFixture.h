#pragma once
// The output windows' program directory, settings, dialogs and PDF printer,
// with a station log and the opener of the label windows.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>
#include <memory>

#include "labels/ui/Etiquettes.h"
#include "labels/ui/LabelMenus.h"
#include "labels/ui/Select_QSO.h"
#include "tests/labels/LabelsTestData.h"
#include "tests/outputs/ui/OutputWindowsFixture.h"

namespace brivant::testing {

class LabelWindowsFixture : public OutputWindowsFixture {
 protected:
  ~LabelWindowsFixture() override { menus.reset(); }

  // The station's log of count contacts (labelListLines).
  void writeLog(int count) {
    std::vector<std::string> records;
    for (const std::string& line : labelListLines(count)) records.emplace_back(recordOfListLine(line));
    writeBytes(programDir / "F6ABC.log", crlf(records));
  }

  // Opens the selection as the main menu does.
  Select_QSO& openSelection(LabelMenus::Hooks hooks = {}) {
    if (!menus) menus = std::make_unique<LabelMenus>(state, mainWindow, printer, std::move(hooks));
    menus->Mnu_Imp_QSL_Click();
    Select_QSO* window = menus->selectQso();
    EXPECT_NE(window, nullptr);
    return *window;
  }

  // The selection with its first `chosen` contacts chosen, then the label window.
  Etiquettes& openLabels(int chosen = 0) {
    Select_QSO& selection = openSelection();
    for (int i = 0; i < chosen; ++i) selection.Liste_QSO_Click(selection.Liste_QSO->model()->index(0, 0));
    selection.Impression_Click();
    EXPECT_NE(selection.etiquettes(), nullptr);
    return *selection.etiquettes();
  }

  // Shows the window and makes it the active one, so that it has the focus.
  static void activate(QWidget& window) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  std::string stored(const char* key) { return store.get("ZIV", "Setup F6ABC", key, "<absent>"); }

  std::unique_ptr<LabelMenus> menus;
};

// The Alt letters of a window's buttons and of the captions that lead to a
// field: each control has one, and no two share one.
inline void expectDistinctAltLetters(const QWidget& window) {
  QStringList captions;
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (button->window() == &window) captions << button->text();
  }
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->window() == &window && label->buddy() != nullptr) captions << label->text();
  }
  QStringList letters;
  static const QRegularExpression Mnemonic(QStringLiteral("&([^&])"));
  for (const QString& caption : captions) {
    const QRegularExpressionMatch match = Mnemonic.match(caption);
    ASSERT_TRUE(match.hasMatch()) << caption.toStdString() << " has no Alt letter";
    const QString letter = match.captured(1).toUpper();
    EXPECT_FALSE(letters.contains(letter)) << caption.toStdString() << " repeats Alt+" << letter.toStdString();
    letters << letter;
  }
}

}  // namespace brivant::testing
