// What a screen reader says of each control of the main window: its caption,
// never the title of the frame around it, in both languages and after a
// switch of language.  The names of every control are kept in a golden file.

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>

#include "core/ui/KeyboardAccess.h"
#include "tests/core/ui/MainFixture.h"

namespace brivant::testing {
namespace {

QString accessibleName(QWidget* control) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
  return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}

// The controls the keyboard can reach, not the parts of one (the edit line of
// a drop-down list, the inside of a list).
std::vector<QWidget*> keyboardControls(QWidget* window) {
  std::vector<QWidget*> controls;
  for (QWidget* widget : controlsOf<QWidget>(window)) {
    if (widget->focusPolicy() == Qt::NoFocus) continue;
    QWidget* parent = widget->parentWidget();
    if (qobject_cast<QComboBox*>(parent) != nullptr || qobject_cast<QAbstractScrollArea*>(parent) != nullptr) continue;
    if (parent != nullptr && qobject_cast<QAbstractScrollArea*>(parent->parentWidget()) != nullptr) continue;
    controls.push_back(widget);
  }
  return controls;
}

// One line per control, "name<TAB>accessible name"; each name given once.
std::string namesOf(Main& window) {
  std::string lines;
  QSet<QString> given;
  for (QWidget* control : keyboardControls(&window)) {
    const QString name = accessibleName(control);
    const std::string which = control->objectName().toStdString();
    EXPECT_FALSE(name.trimmed().isEmpty()) << which;
    EXPECT_NE(name, window.Frame4->title()) << which;
    EXPECT_FALSE(given.contains(name)) << which << " is named as another control: " << name.toStdString();
    given.insert(name);
    lines += which + '\t' + name.toStdString() + "\r\n";
  }
  return lines;
}

TEST_F(MainFixture, EveryControlIsNamedByItsCaptionInBothLanguages) {
  setUpStation("F6ABC", "Fr");
  writeLog("F6ABC", {contact("06/06/26", "F5AAA", "08:00", "59", "3.5 Mhz", "SSB")});
  Main& window = start();
  ASSERT_TRUE(started);
  // The later fields are named while still closed to the keyboard.
  EXPECT_FALSE(window.Prenom_A->isEnabled());
  expectBytesMatchGolden(namesOf(window), "core/accessible_names_fr.txt");
  window.Mnu_An->trigger();
  expectBytesMatchGolden(namesOf(window), "core/accessible_names_en.txt");

  // A caption that says something else for a while names its field so.
  window.Label5->setText(QStringLiteral("Contacté le 06/06/26"));
  EXPECT_EQ(accessibleName(window.Indicatif_A), QStringLiteral("Contacté le 06/06/26"));
}

}  // namespace
}  // namespace brivant::testing
