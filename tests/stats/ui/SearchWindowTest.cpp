#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "stats/QsoSearch.h"
#include "stats/ui/Recherche_Indicatif.h"
#include "stats/ui/StatsControls.h"
#include "tests/stats/ui/StatsWindowsFixture.h"

namespace brivant::testing {
namespace {

class SearchWindowTest : public StatsWindowsFixture {
 protected:
  Recherche_Indicatif& open() { return opened(&StatsMenus::Recherche_Click, &StatsMenus::recherche); }
  // Types into a box as the operator does, then Enter.
  static void typeAndEnter(QLineEdit* box, const QString& text) {
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
  }
};

TEST_F(SearchWindowTest, TypedValuesListTheMatchingContacts) {
  Recherche_Indicatif& window = open();
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Recherche de QSO"));
  struct Case {
    SearchBy by;
    const char* typed;
    std::vector<int> rows;  // list rows of the results
  };
  const Case cases[] = {
      {SearchBy::Callsign, "6ab", {0, 1, 4, 5, 10}},
      {SearchBy::Reference, "59045", {0, 6}},
      {SearchBy::Departement, "5", {}},
  };
  for (const Case& c : cases) {
    QLineEdit* box = window.boxOf(c.by);
    if (c.rows.empty()) dialogs.expectMessage("Pas de QSO trouvé");
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(window.criterion(), c.by) << c.typed;
    QTest::keyClicks(box, QString::fromLatin1(c.typed));
    // Callsign and reference letters become capitals as they are typed.
    if (c.by != SearchBy::Departement) {
      EXPECT_EQ(box->text(), QString::fromLatin1(c.typed).toUpper());
    }
    QTest::keyClick(box, Qt::Key_Return);
    QStringList expected;
    for (int row : c.rows) expected.push_back(Cp1252::toQString(searchResultLine(listLines[row])));
    EXPECT_EQ(itemsOf(window.QSO_Effectues), expected) << c.typed;
    for (QLineEdit* emptied : {window.Indica, window.Data, window.Depa}) EXPECT_TRUE(emptied->text().isEmpty());
  }
  dialogs.verifyAllConsumed();
}

TEST_F(SearchWindowTest, TooLongAndEmptyValuesAreRefused) {
  Recherche_Indicatif& window = open();
  struct Case {
    QLineEdit* box;
    const char* typed;
    const char* message;
  };
  const Case cases[] = {
      {window.Indica, "EA8/F6ABCD/PX", "Attention 12 caracteres maxi pour l'indicatif"},
      {window.Data, "", "Entrez une reference"},
      {window.Depa, "590", "Attention 2 caracteres maxi pour le departement"},
  };
  window.QSO_Effectues->addItem(QStringLiteral("earlier result"));
  for (const Case& c : cases) {
    dialogs.expectMessage(c.message);
    typeAndEnter(c.box, QString::fromLatin1(c.typed));
    dialogs.verifyAllConsumed();
    // Nothing else happens: the text stays, the results stay.
    EXPECT_EQ(c.box->text(), QString::fromLatin1(c.typed).toUpper());
    EXPECT_EQ(window.QSO_Effectues->count(), 1);
    c.box->clear();
  }
}

TEST_F(SearchWindowTest, PickingAResultSelectsItsContactAndCloses) {
  Recherche_Indicatif& window = open();
  typeAndEnter(window.Depa, QStringLiteral("59"));
  ASSERT_EQ(window.QSO_Effectues->count(), 3);
  QListWidgetItem* second = window.QSO_Effectues->item(1);
  QTest::mouseClick(window.QSO_Effectues->viewport(), Qt::LeftButton, {},
                    window.QSO_Effectues->visualItemRect(second).center());
  EXPECT_EQ(selectedRows, std::vector<int>{5});
  QApplication::processEvents();
  EXPECT_EQ(menus().recherche(), nullptr) << "the window closes";
}

TEST_F(SearchWindowTest, AResultRenumberedSinceSelectsNothing) {
  Recherche_Indicatif& window = open();
  typeAndEnter(window.Indica, QStringLiteral("F5ZZZ"));
  ASSERT_EQ(window.QSO_Effectues->count(), 1);
  // A contact saved meanwhile before it renumbers the list.
  std::vector<std::string> records = statsLog();
  records.insert(records.begin(), statsRecord("07:00", "F5NEW", "59", "14 Mhz", "SSB"));
  listLines = numberedListLines(records);
  // Enter on the result picks it, as a click does.
  QTest::keyClick(window.QSO_Effectues, Qt::Key_Return);
  EXPECT_EQ(selectedRows, std::vector<int>{-1});
}

TEST_F(SearchWindowTest, KeyboardAloneChoosesSearchesAndCloses) {
  state.Language = "An";
  Recherche_Indicatif& window = open();
  activate(&window);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Search for QSO"));
  EXPECT_EQ(window.Option1[2]->text(), QStringLiteral("Castle &Ref"));
  // Alt+R chooses the reference and puts the focus in its box.
  QTest::keyClick(&window, Qt::Key_R, Qt::AltModifier);
  EXPECT_TRUE(waitUntil([&] { return window.Option1[2]->isChecked(); }));
  EXPECT_TRUE(window.Data->hasFocus());
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("dfcf"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(window.QSO_Effectues->count(), 4);
  EXPECT_TRUE(window.QSO_Effectues->hasFocus());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_EQ(menus().recherche(), nullptr);
}

TEST_F(SearchWindowTest, HeaderTitlesStandOverTheirFields) {
  Recherche_Indicatif& window = open();
  typeAndEnter(window.Indica, QStringLiteral("F6ABD"));
  QApplication::processEvents();
  EXPECT_EQ(window.Label2->titles(),
            QStringList({QStringLiteral("N°"), QStringLiteral("Date"), QStringLiteral("Indicatif"),
                         QStringLiteral("Debut"), QStringLiteral("Fin"), QStringLiteral("Dpt"), QStringLiteral("Bande"),
                         QStringLiteral("Mode"), QStringLiteral("Rst E"), QStringLiteral("Rst R"),
                         QStringLiteral("Ref Chateau"), QStringLiteral("Prenom")}));
  // Each title starts where the text it names starts in the first result.
  const QString first = window.QSO_Effectues->item(0)->text();
  const QFontMetrics fixed(window.QSO_Effectues->font());
  const int lineStart =
      window.QSO_Effectues->viewport()
          ->mapTo(&window, window.QSO_Effectues->visualItemRect(window.QSO_Effectues->item(0)).topLeft())
          .x();
  const std::pair<int, QString> fields[] = {{1, "19/05/13"}, {2, "F6ABD"}, {3, "08:00"}, {5, "59"},
                                            {6, "14 Mhz"},   {7, "SSB"},   {10, "DFCF"}, {11, "PAUL"}};
  for (const auto& [title, text] : fields) {
    const int fieldX = lineStart + fixed.horizontalAdvance(first.left(static_cast<int>(first.indexOf(text))));
    const int titleX = window.Label2->mapTo(&window, window.Label2->titleRect(title).topLeft()).x();
    EXPECT_NEAR(titleX, fieldX, 5) << window.Label2->titles()[title].toStdString();
  }
}

}  // namespace
}  // namespace brivant::testing
