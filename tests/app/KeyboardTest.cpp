// Every window of the program from the keyboard, in both languages: an Alt
// letter on each menu title, menu item and button, no letter twice where the
// same Alt reaches it, Alt plus a letter and F10 for the menu bar, Enter to
// save the sheet and the listing, Escape to close the windows of their own,
// the departements of the grid and of the map opened with the arrows and
// Enter.  And every text of every window in a font that has letters.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>

#include "cluster/HamlibSettings.h"
#include "cluster/ui/Cluster.h"
#include "cluster/ui/ClusterOpener.h"
#include "cluster/ui/CwKeyer.h"
#include "cluster/ui/CwMessagesDialog.h"
#include "cluster/ui/HamlibDialog.h"
#include "cluster/ui/SelfSpotDialog.h"
#include "core/AltKeys.h"
#include "core/ui/Gestion_Erreur.h"
#include "core/ui/KeyboardAccess.h"
#include "core/ui/Station.h"
#include "entry/ui/Chargement.h"
#include "entry/ui/DeptGridView.h"
#include "entry/ui/EntryChain.h"
#include "entry/ui/Maintenance.h"
#include "labels/ui/Etiquettes.h"
#include "labels/ui/LabelMenus.h"
#include "labels/ui/Select_QSO.h"
#include "outputs/ui/AdifImporter.h"
#include "outputs/ui/HelpWindow.h"
#include "outputs/ui/ImportReport.h"
#include "outputs/ui/Impression.h"
#include "outputs/ui/OutputMenus.h"
#include "outputs/ui/Recapitulation.h"
#include "outputs/ui/Reglement.h"
#include "platform/ui/QtDialogs.h"
#include "stats/ui/Affiche_Dpt.h"
#include "stats/ui/Carte_Acti.h"
#include "stats/ui/DeptMapView.h"
#include "stats/ui/Recherche_Indicatif.h"
#include "stats/ui/Statistique_DFCF.h"
#include "stats/ui/Statistique_Prefixe.h"
#include "stats/ui/StatsMenus.h"
#include "tests/app/EveryWindowFixture.h"
#include "tests/support/Cwdaemon.h"
#include "tests/support/LocalServers.h"

namespace brivant::testing {
namespace {

// Checks one scope: every caption has a letter, none twice, none of `taken`.
void expectOwnLetters(const std::vector<QString>& captions, const QString& taken, const std::string& where) {
  std::map<QChar, QString> holders;
  for (QChar letter : taken) holders[letter.toUpper()] = QStringLiteral("a label");
  for (const QString& caption : captions) {
    const QChar letter = AltKeys::letterOf(caption);
    EXPECT_FALSE(letter.isNull()) << where << ": \"" << caption.toStdString() << "\" has no Alt letter";
    if (letter.isNull()) continue;
    const auto [holder, added] = holders.emplace(letter, caption);
    EXPECT_TRUE(added) << where << ": \"" << caption.toStdString() << "\" and \"" << holder->second.toStdString()
                       << "\" share their letter";
  }
}

void expectMenuLetters(QMenu* menu, const std::string& where) {
  std::vector<QString> items;
  for (QAction* action : menu->actions()) {
    if (action->isSeparator()) continue;
    items.push_back(action->text());
    if (action->menu() != nullptr) expectMenuLetters(action->menu(), where + " > " + action->text().toStdString());
  }
  expectOwnLetters(items, {}, where);
}

// The whole window: its bar's titles with its buttons (one Alt reaches them
// all, and the letters of its labels that lead to a field), then each menu.
// Returns how many captions it looked at.
int expectWindowLetters(QWidget* window) {
  const std::string name = window->objectName().toStdString();
  std::vector<QString> captions;
  for (QMenuBar* bar : controlsOf<QMenuBar>(window))
    for (QAction* title : bar->actions()) captions.push_back(title->text());
  for (QAbstractButton* button : controlsOf<QAbstractButton>(window))
    if (!button->text().isEmpty()) captions.push_back(button->text());
  QString taken;
  for (QLabel* label : controlsOf<QLabel>(window))
    if (const QChar letter = AltKeys::letterOf(label->text()); label->buddy() != nullptr && !letter.isNull())
      taken += letter;
  expectOwnLetters(captions, taken, name);
  int count = static_cast<int>(captions.size());
  for (QMenuBar* bar : controlsOf<QMenuBar>(window)) {
    for (QAction* title : bar->actions()) {
      if (title->menu() == nullptr) continue;
      expectMenuLetters(title->menu(), name + " > " + title->text().toStdString());
      count += static_cast<int>(title->menu()->actions().size());
    }
  }
  return count;
}

class Keyboard : public EveryWindowFixture, public ::testing::WithParamInterface<const char*> {
 protected:
  bool french() const { return std::string(GetParam()) == "Fr"; }
};

TEST_P(Keyboard, EveryMenuAndButtonOfEveryWindowHasItsOwnAltLetter) {
  Main& window = startWithContacts(GetParam());
  int captions = 0;
  for (QWidget* opened : openEveryWindow(window))
    if (opened != nullptr) captions += expectWindowLetters(opened);
  // The missing-file window is modal: it comes last.
  window.raiseFileError(FileError{FileNotFound, "", ""}, ".log");
  ASSERT_NE(window.errorWindow(), nullptr);
  captions += expectWindowLetters(window.errorWindow());
  // Not a vacuous pass: the windows hold some ninety captions.
  EXPECT_GT(captions, 80);
}

// A family missing from the system falls back, through fontconfig, on what
// the system has; with a style hint such as "fantasy" that may be a font of
// symbols (Dingbats), which makes every letter a picture.
TEST_P(Keyboard, EveryTextOfEveryWindowIsInAFontOfLetters) {
  Main& window = startWithContacts(GetParam());
  int looked = 0;
  for (QWidget* opened : openEveryWindow(window)) {
    if (opened == nullptr) continue;
    for (QWidget* control : controlsOf<QWidget>(opened)) {
      const QString family = control->fontInfo().family();
      const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
      EXPECT_TRUE(systems.contains(QFontDatabase::Latin) && !systems.contains(QFontDatabase::Symbol))
          << opened->objectName().toStdString() << " > " << control->objectName().toStdString() << ": "
          << family.toStdString();
      ++looked;
    }
  }
  EXPECT_GT(looked, 500);
  // The heading of the rules, by name.
  EXPECT_FALSE(QFontDatabase::writingSystems(program->outputMenus().reglement()->Label2->fontInfo().family())
                   .contains(QFontDatabase::Symbol));
}

TEST_P(Keyboard, AltAndTheLetterOfTheFirstMenuOpensItFromTheModeField) {
  Main& window = startWithContacts(GetParam());
  ASSERT_TRUE(window.Mode_A->hasFocus());
  const QString mode = window.Mode_A->currentText();
  const QChar letter = AltKeys::letterOf(window.Mnu_Fichier->title());
  ASSERT_EQ(letter, QLatin1Char('F'));
  QTest::keyClick(window.Mode_A, Qt::Key_F, Qt::AltModifier);
  EXPECT_EQ(QApplication::activePopupWidget(), window.Mnu_Fichier);
  // Nothing was typed into the field.
  EXPECT_EQ(window.Mode_A->currentText(), mode);
  QTest::keyClick(window.Mnu_Fichier, Qt::Key_Escape);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
}

TEST_P(Keyboard, AltAndAButtonsLetterPressesIt) {
  Main& window = startWithContacts(GetParam());
  const QChar letter = AltKeys::letterOf(window.Recherche->text());
  ASSERT_FALSE(letter.isNull());
  QTest::keyClick(window.Mode_A, static_cast<Qt::Key>(letter.unicode()), Qt::AltModifier);
  // A button pressed by its letter shows itself pressed for a moment first.
  EXPECT_TRUE(QTest::qWaitFor([this] { return program->statsMenus().recherche() != nullptr; }, 2000));
}

TEST_P(Keyboard, F10PutsTheKeyboardOnTheFirstMenuAndEnterOpensIt) {
  Main& window = startWithContacts(GetParam());
  QMenuBar* bar = window.menuBar();
  QTest::keyClick(window.Mode_A, Qt::Key_F10);
  EXPECT_EQ(bar->activeAction(), window.Mnu_Fichier->menuAction());
  EXPECT_EQ(QApplication::focusWidget(), bar);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "the menu waits for Enter";
  QTest::keyClick(bar, Qt::Key_Return);
  EXPECT_EQ(QApplication::activePopupWidget(), window.Mnu_Fichier);
  QTest::keyClick(window.Mnu_Fichier, Qt::Key_Escape);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

  // The cluster window's bar answers F10 too.
  QTest::mouseClick(window.ClusterHF, Qt::LeftButton);
  Cluster* cluster = program->cluster().cluster();
  ASSERT_NE(cluster, nullptr);
  ASSERT_TRUE(activate(cluster));
  QTest::keyClick(cluster->Bande_CL, Qt::Key_F10);
  EXPECT_EQ(cluster->menuBar->activeAction(), cluster->Mnu_Port_Com->menuAction());
}

// Enter anywhere in the sheet or the listing does what Enregistrer does.
TEST_P(Keyboard, EnterSavesTheSheetAndTheListing) {
  Main& window = startWithContacts(GetParam());
  OutputMenus& outputs = program->outputMenus();
  struct Case {
    QAction* menu;
    std::function<QWidget*()> opened;
    std::function<QPushButton*()> save;
    std::function<QWidget*()> field;
  };
  const Case cases[] = {
      {window.Mnu_Feuille_Recap, [&] { return outputs.recapitulation(); },
       [&] { return outputs.recapitulation()->Enregistrer; }, [&] { return outputs.recapitulation()->Nom; }},
      {window.Mnu_Imprime_Tout, [&] { return outputs.impression(); }, [&] { return outputs.impression()->Enregistrer; },
       [&] { return outputs.impression()->Visu_Print; }},
  };
  for (const Case& c : cases) {
    c.menu->trigger();
    QWidget* opened = c.opened();
    ASSERT_NE(opened, nullptr);
    ASSERT_TRUE(activate(opened));
    EXPECT_TRUE(c.save()->isDefault());
    const std::size_t before = dialogs.texts().size();
    c.save()->click();
    ASSERT_EQ(dialogs.texts().size(), before + 1);
    const QString saved = dialogs.texts().back();
    c.field()->setFocus();
    QTest::keyClick(c.field(), Qt::Key_Return);
    ASSERT_EQ(dialogs.texts().size(), before + 2) << opened->objectName().toStdString();
    EXPECT_EQ(dialogs.texts().back(), saved);
    opened->close();
    QApplication::processEvents();
  }
}

// A caption that changes keeps the window's letters apart: the language
// switched, Enregistrer become "Valider QSO" for an edit and back.
TEST_P(Keyboard, LettersStayApartWhenCaptionsChange) {
  Main& window = startWithContacts(GetParam());
  (french() ? window.Mnu_An : window.Mnu_Fr)->trigger();
  expectWindowLetters(&window);
  window.selectQso(1);
  QTest::mouseClick(window.Editer, Qt::LeftButton);
  ASSERT_TRUE(program->entryChain().draft().EntryEditing);
  expectWindowLetters(&window);
  QTest::mouseClick(window.Annuler, Qt::LeftButton);
  expectWindowLetters(&window);
}

// The CW messages from the keyboard alone: the Options menu by its letter,
// the messages window by its item's, a message reached by Alt and its key's
// digit, Enter to keep them; then in the main window F2 sends it, PgUp
// speeds up, Escape stops.
TEST_P(Keyboard, TheCwMessagesAreWrittenAndSentFromTheKeyboard) {
  FakeCwdaemon cwdaemon;
  ASSERT_TRUE(store.save("ZIV", "Setup ", "Manipulateur", "1").ok());
  ASSERT_TRUE(store.save("ZIV", "Setup ", "Manipulateur Hote", "127.0.0.1").ok());
  ASSERT_TRUE(store.save("ZIV", "Setup ", "Manipulateur Port", std::to_string(cwdaemon.port())).ok());
  Main& window = startWithContacts(GetParam());
  const auto press = [](QWidget* where, QChar letter, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(where, static_cast<Qt::Key>(letter.toUpper().unicode()), modifiers);
  };
  press(window.Mode_A, AltKeys::letterOf(window.Mnu_Options->title()), Qt::AltModifier);
  ASSERT_EQ(QApplication::activePopupWidget(), window.Mnu_Options);
  press(window.Mnu_Options, AltKeys::letterOf(window.Mnu_Messages_CW->text()));
  CwMessagesDialog* messages = program->cwKeyer().messagesWindow();
  ASSERT_NE(messages, nullptr);
  ASSERT_TRUE(activate(messages));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_2, Qt::AltModifier);
  ASSERT_EQ(QApplication::focusWidget(), messages->messageEdits[1]);
  QTest::keyClick(messages->messageEdits[1], Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(messages->messageEdits[1], QStringLiteral("{CALL} TU"));
  QTest::keyClick(messages->messageEdits[1], Qt::Key_Return);
  EXPECT_FALSE(messages->isVisible());
  EXPECT_EQ(setting("Setup F6ABC", "Message CW F2"), "{CALL} TU");

  ASSERT_TRUE(activate(&window));
  QTest::keyClick(window.Bande_A, Qt::Key_Return);
  QTest::keyClick(window.Mode_A, Qt::Key_Return);
  ASSERT_TRUE(window.Indicatif_A->hasFocus());
  QTest::keyClicks(window.Indicatif_A, QStringLiteral("on4xyz"));
  QTest::keyClick(window.Indicatif_A, Qt::Key_F2);
  ASSERT_TRUE(waitUntil([&] { return cwdaemon.received.size() == 3; }));
  EXPECT_EQ(cwdaemon.received[2], QByteArray("ON4XYZ TU"));
  QTest::keyClick(window.Indicatif_A, Qt::Key_PageUp);
  QTest::keyClick(window.Indicatif_A, Qt::Key_Escape);
  ASSERT_TRUE(waitUntil([&] { return cwdaemon.received.size() == 5; }));
  EXPECT_EQ(cwdaemon.received[3], QByteArray("\033226"));
  EXPECT_EQ(cwdaemon.received[4], QByteArray("\0334"));
  EXPECT_TRUE(window.Indicatif_A->hasFocus());
  EXPECT_EQ(window.Indicatif_A->text(), QStringLiteral("ON4XYZ"));
}

// Escape closes each window that is not a dialog, as it closes a dialog.
TEST_P(Keyboard, EscapeClosesTheWindowsOfTheirOwn) {
  Main& window = startWithContacts(GetParam());
  OutputMenus& outputs = program->outputMenus();
  StatsMenus& stats = program->statsMenus();
  struct Case {
    const char* name;
    std::function<void()> open;
    std::function<QWidget*()> opened;
  };
  const Case cases[] = {
      {"rules", [&] { window.Mnu_Reglement->trigger(); }, [&] { return outputs.reglement(); }},
      {"manual", [&] { window.Mnu_Mode_Emploi->trigger(); }, [&] { return outputs.helpWindow(); }},
      {"map", [&] { window.Mnu_Carte_Activation->trigger(); }, [&] { return stats.carte(); }},
      {"departement list", [&] { emit Dpt().boxChosen(2); }, [&] { return stats.afficheDpt(); }},
      {"prefix statistics", [&] { window.Mnu_Stat_Prefixe->trigger(); }, [&] { return stats.statistiquePrefixe(); }},
      {"cluster", [&] { window.ClusterHF->click(); }, [&] { return program->cluster().cluster(); }},
  };
  for (const Case& c : cases) {
    c.open();
    QWidget* opened = c.opened();
    ASSERT_NE(opened, nullptr) << c.name;
    ASSERT_TRUE(activate(opened)) << c.name;
    QWidget* focused = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : opened;
    QTest::keyClick(focused, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return c.opened() == nullptr; }, 2000)) << c.name << " stays open";
    ASSERT_TRUE(activate(&window));
  }
}

// The departement grid of the main window: Tab reaches it, the arrows move
// from box to box, Enter opens the list of the departement.
TEST_P(Keyboard, TheGridOpensADepartementFromTheKeyboard) {
  Main& window = startWithContacts(GetParam());
  for (int tabs = 0; tabs < 40 && !Dpt().hasFocus(); ++tabs) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_TRUE(Dpt().hasFocus()) << "Tab never reaches the grid";
  ASSERT_EQ(Dpt().currentBox(), 1);
  // From 01 to 59: five rows down, eight boxes right; the edges hold.
  for (int i = 0; i < 5; ++i) QTest::keyClick(&Dpt(), Qt::Key_Down);
  for (int i = 0; i < 12; ++i) QTest::keyClick(&Dpt(), Qt::Key_Right);
  QTest::keyClick(&Dpt(), Qt::Key_Left);
  EXPECT_EQ(Dpt().currentBox(), 58);
  QTest::keyClick(&Dpt(), Qt::Key_Right);
  EXPECT_EQ(Dpt().box(59)->lineWidth(), 3) << "the current box shows";
  QTest::keyClick(&Dpt(), Qt::Key_Return);
  Affiche_Dpt* list = program->statsMenus().afficheDpt();
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->QSO_DU_Dpt->count(), 1);
  EXPECT_TRUE(list->QSO_DU_Dpt->item(0)->text().contains(QStringLiteral("F5AAA")));
  EXPECT_TRUE(list->Label2->text().endsWith(QStringLiteral("59")));
  (void)window;
}

// On the map the arrows go from departement to departement as they lie, and
// Enter opens the list of the one reached.
TEST_P(Keyboard, TheMapOpensADepartementFromTheKeyboard) {
  Main& window = startWithContacts(GetParam());
  window.Mnu_Carte_Activation->trigger();
  Carte_Acti* map = program->statsMenus().carte();
  ASSERT_NE(map, nullptr);
  ASSERT_TRUE(activate(map));
  DeptMapView* picture = map->Picture1;
  for (int tabs = 0; tabs < 10 && !picture->hasFocus(); ++tabs)
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_TRUE(picture->hasFocus()) << "Tab never reaches the map";
  // From the Ain, west to the Rhône, then Enter.
  ASSERT_EQ(picture->currentBox(), 1);
  QTest::keyClick(picture, Qt::Key_Left);
  EXPECT_EQ(picture->currentBox(), 69);
  QTest::keyClick(picture, Qt::Key_Enter);
  Affiche_Dpt* list = program->statsMenus().afficheDpt();
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(list->Label2->text().endsWith(QStringLiteral("69")));
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, Keyboard, ::testing::Values("Fr", "An"));

// With the message boxes on screen: after a refusal is read and closed, the
// keys typed go to the field the entry expects.
TEST_F(MainFixture, AfterARefusalTheKeysGoToTheFieldTheEntryExpects) {
  setUpStation("F6ABC", "Fr");
  QtDialogs boxes;
  state = std::make_unique<AppState>(programDir.path(), store, clock, boxes);
  program = std::make_unique<Composition>(*state);
  Main& window = program->main();
  boxes.setParent(&window);
  window.setEndProgram([this](int code) { endings.push_back(code); });
  // Every box is read and closed with its first button.
  QStringList read;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&read] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      read.push_back(box->text());
      box->buttons().front()->click();
    }
  });
  closer.start(10);
  ASSERT_TRUE(window.Form_Load());
  ASSERT_TRUE(activate(&window));
  ASSERT_TRUE(window.Mode_A->hasFocus());

  window.Mode_A->setEditText(QStringLiteral("FM"));
  QTest::keyClick(window.Mode_A, Qt::Key_Return);
  ASSERT_EQ(read.size(), 2);  // the instructions at start-up, then the refusal
  // The mode is typed again where the refusal left the entry.
  ASSERT_TRUE(QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; }, 2000));
  window.Mode_A->clearEditText();
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("CW"));
  EXPECT_EQ(window.Mode_A->currentText(), QStringLiteral("CW"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_TRUE(window.Indicatif_A->hasFocus());

  closer.stop();
  program.reset();
  state.reset();
}

}  // namespace
}  // namespace brivant::testing
