// Both languages of the main window: every caption against the golden file
// core/MainCaptions.txt (a line per control: its name, its French caption,
// its English one), the switch back and forth, and the choice kept per
// station.

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <map>
#include <set>
#include <sstream>

#include "core/AltKeys.h"
#include "platform/ui/QtDialogs.h"
#include "tests/core/ui/MainFixture.h"

namespace brivant::testing {
namespace {

constexpr const char* CaptionsGolden = "core/MainCaptions.txt";

// Whether an object is the main window's own, not one of a window it owns
// (the loading window's labels carry the names Label1 and Label2 too).
bool ownedByMain(const QObject* object, const Main& window) {
  for (const QObject* owner = object; owner != nullptr; owner = owner->parent()) {
    const auto* widget = qobject_cast<const QWidget*>(owner);
    if (widget != nullptr && widget->isWindow() && qobject_cast<const QMenu*>(widget) == nullptr)
      return widget == &window;
  }
  return false;
}

// The labels that show data (the station, the clock, the count of contacts,
// the radio), not captions.
bool showsData(const std::string& name) {
  static const std::set<std::string> data{"I_Station", "L_Station", "Label33",  "Label34",
                                          "Label37",   "P_QSO",     "NB_Debug", "radioReadout"};
  return data.contains(name);
}

// The captions of the main window by control name: the titles of its menus,
// the texts of its menu items, labels and buttons (a menu's or a button's
// without the "&" of its Alt letter).  The boxes of the departement grid show
// numbers, not captions; the frames' titles carry counts and the callsign,
// and the tests check them one by one.
std::map<std::string, QString> captionsOf(Main& window) {
  std::map<std::string, QString> captions;
  for (QObject* control : window.findChildren<QObject*>()) {
    const std::string name = control->objectName().toStdString();
    if (name.empty() || name.starts_with("qt_") || name.starts_with("Dpt(") || showsData(name) ||
        !ownedByMain(control, window))
      continue;
    if (auto* menu = qobject_cast<QMenu*>(control))
      captions[name] = AltKeys::shownText(menu->title());
    else if (auto* action = qobject_cast<QAction*>(control); action && !action->isSeparator())
      captions[name] = AltKeys::shownText(action->text());
    else if (auto* label = qobject_cast<QLabel*>(control))
      captions[name] = label->text();
    else if (auto* button = qobject_cast<QPushButton*>(control))
      captions[name] = AltKeys::shownText(button->text());
  }
  return captions;
}

// A caption on one line of the golden file.
std::string oneLine(const QString& caption) {
  return QString(caption).replace(QLatin1Char('\n'), QStringLiteral("\\n")).toStdString();
}

// The golden file's captions of one language, by control name.
std::map<std::string, QString> goldenCaptions(bool french) {
  std::map<std::string, QString> captions;
  std::istringstream lines(readBytes(fixturesDir() / CaptionsGolden));
  for (std::string line; std::getline(lines, line);) {
    const auto first = line.find('\t');
    const auto second = line.find('\t', first + 1);
    if (first == std::string::npos || second == std::string::npos) continue;
    const std::string caption = french ? line.substr(first + 1, second - first - 1) : line.substr(second + 1);
    captions[line.substr(0, first)] =
        QString::fromStdString(caption).replace(QStringLiteral("\\n"), QStringLiteral("\n"));
  }
  return captions;
}

void expectCaptions(Main& window, bool french) {
  const std::map<std::string, QString> expected = goldenCaptions(french);
  ASSERT_FALSE(expected.empty()) << "no captions in " << CaptionsGolden;
  const std::map<std::string, QString> shown = captionsOf(window);
  for (const auto& [name, caption] : expected) {
    const auto found = shown.find(name);
    if (found == shown.end())
      ADD_FAILURE() << "no control named " << name;
    else
      EXPECT_EQ(found->second, caption) << name;
  }
  for (const auto& [name, caption] : shown)
    EXPECT_TRUE(expected.contains(name)) << name << " (\"" << caption.toStdString() << "\") is not in "
                                         << CaptionsGolden;
}

// The golden file itself: every caption of a station's main window in
// French and in English (BRIVANT_UPDATE_GOLDEN=1 rewrites it).
TEST_F(MainFixture, EveryCaptionInBothLanguagesIsTheGoldenOne) {
  setUpStation("F6ABC", "An");
  Main& window = start();
  ASSERT_TRUE(started);
  const std::map<std::string, QString> english = captionsOf(window);
  window.Mnu_Fr->trigger();
  const std::map<std::string, QString> french = captionsOf(window);
  std::string golden;
  for (const auto& [name, caption] : english) {
    ASSERT_TRUE(french.contains(name)) << name;
    golden += name + '\t' + oneLine(french.at(name)) + '\t' + oneLine(caption) + '\n';
  }
  EXPECT_EQ(french.size(), english.size());
  expectBytesMatchGolden(golden, CaptionsGolden);
}

TEST_F(MainFixture, RestartWithEnglishChosenStaysEnglish) {
  setUpStation("F6ABC", "An");
  Main& window = start();
  ASSERT_TRUE(started);
  EXPECT_TRUE(window.Mnu_An->isChecked());
  EXPECT_FALSE(window.Mnu_Fr->isChecked());
  expectCaptions(window, false);
  EXPECT_EQ(window.Frame4->title(), QStringLiteral("QSO number 1"));
  EXPECT_EQ(window.Frame5->title(), QStringLiteral("Log from F6ABC"));
}

TEST_F(MainFixture, SwitchingToFrenchAndBackRestoresEveryCaption) {
  setUpStation("F6_ABC");
  Main& window = start();
  ASSERT_TRUE(started);
  window.Mnu_Fr->trigger();
  EXPECT_TRUE(window.Mnu_Fr->isChecked());
  EXPECT_FALSE(window.Mnu_An->isChecked());
  EXPECT_EQ(setting("Setup F6_ABC", "Langue"), "Fr");
  expectCaptions(window, true);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Journée Nationale des Ruziduza Revision  1.7.5"));
  EXPECT_EQ(window.Frame4->title(), QStringLiteral("QSO numéro 1"));
  // The list title keeps the stored form of the callsign.
  EXPECT_EQ(window.Frame5->title(), QStringLiteral("Log de F6_ABC"));
  EXPECT_EQ(window.Frame3->title(), QStringLiteral("0 Dpt(s) contacté(s) sur  3.5 Mhz en SSB"));

  window.Mnu_An->trigger();
  EXPECT_EQ(setting("Setup F6_ABC", "Langue"), "An");
  expectCaptions(window, false);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Ravuzore Ruruzav Evu  1.7.5"));
  EXPECT_EQ(window.Frame3->title(), QStringLiteral("0 Dpt(s) contacted on  3.5 Mhz SSB"));
  EXPECT_EQ(window.Frame5->title(), QStringLiteral("Log from F6_ABC"));

  window.Mnu_Fr->trigger();
  expectCaptions(window, true);
  EXPECT_EQ(AltKeys::shownText(window.Editer->text()), QStringLiteral(" Editer  QSO"));
}

TEST_F(MainFixture, TheLanguageChosenIsKeptForTheStationAtTheNextStart) {
  setUpStation("F6ABC");
  start().Mnu_Fr->trigger();
  Main& again = start();
  ASSERT_TRUE(started);
  EXPECT_TRUE(again.Mnu_Fr->isChecked());
  expectCaptions(again, true);
  // Another station has no choice stored: English.
  setUpStation("F5XYZ");
  EXPECT_TRUE(start().Mnu_An->isChecked());
}

// The buttons Qt writes on the message boxes follow the language chosen in
// the menu: real boxes, read and answered as they come up.
TEST_F(MainFixture, TheButtonsOfTheMessageBoxesSpeakTheLanguageChosen) {
  setUpStation("F6ABC", "Fr");
  Main& window = start();
  ASSERT_TRUE(started);
  QtDialogs boxes(&window);
  const auto buttonsOf = [](const std::function<void()>& ask) {
    QStringList read;
    onNextModal([&read](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      for (QAbstractButton* button : box->buttons()) read.push_back(AltKeys::shownText(button->text()));
      read.sort();
      box->reject();
    });
    ask();
    return read.join(QLatin1Char('|'));
  };
  struct Case {
    QAction* language;
    const char* yesNo;
    const char* okCancel;
  };
  for (const Case& c : {Case{window.Mnu_Fr, "Non|Oui", "Annuler|OK"}, Case{window.Mnu_An, "No|Yes", "Cancel|OK"},
                        Case{window.Mnu_Fr, "Non|Oui", "Annuler|OK"}}) {
    c.language->trigger();
    EXPECT_EQ(buttonsOf([&] { (void)boxes.yesNo(QStringLiteral("?")); }), QString::fromUtf8(c.yesNo));
    EXPECT_EQ(buttonsOf([&] { (void)boxes.okCancelCritical(QStringLiteral("!")); }), QString::fromUtf8(c.okCancel));
  }
}

TEST_F(MainFixture, DesignCaptionsBeforeTheLanguageIsApplied) {
  Main& window = makeMain();
  EXPECT_EQ(AltKeys::shownText(window.Mnu_MAJ_Prefixe_Departement->text()),
            QString::fromUtf8("MAJ du fichier Département et Prefixe a partir du log"));
  EXPECT_EQ(AltKeys::shownText(window.Mnu_Fr->text()), QStringLiteral("Francais"));
  EXPECT_EQ(AltKeys::shownText(window.Mnu_Carte->title()), QStringLiteral("Cartes"));
  EXPECT_EQ(AltKeys::shownText(window.Mnu_A_Propos->text()), QStringLiteral("A Propos de "));
  EXPECT_EQ(AltKeys::shownText(window.Enregistrer->text()), QStringLiteral("QSO Suivant"));
  EXPECT_EQ(window.Enregistrer->toolTip(), QString::fromUtf8("Nouveau QSO et enregistrement des données precedentes"));
  EXPECT_EQ(AltKeys::shownText(window.Editer->text()), QStringLiteral(" Editer  QSO"));
  EXPECT_EQ(window.Label10->text(), QString::fromUtf8("       Prénom (Optionel)"));
  EXPECT_EQ(window.Label26->text(), QStringLiteral("DFCF"));
  EXPECT_FALSE(window.Label26->isVisible());
}

}  // namespace
}  // namespace brivant::testing
