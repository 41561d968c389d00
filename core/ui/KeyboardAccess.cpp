#include "core/ui/KeyboardAccess.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <functional>
#include <vector>

#include "core/AltKeys.h"

namespace brivant {

namespace {

// One caption of a scope and how to write it back.
struct Captioned {
  QString text;
  std::function<void(const QString&)> setText;
};

void mark(std::vector<Captioned>& scope, const QString& taken = {}) {
  std::vector<QString> captions;
  captions.reserve(scope.size());
  for (const Captioned& caption : scope) captions.push_back(caption.text);
  const std::vector<QString> marked = AltKeys::markScope(captions, taken);
  for (std::size_t i = 0; i < scope.size(); ++i)
    if (marked[i] != scope[i].text) scope[i].setText(marked[i]);
}

Captioned captionOf(QAction* action) {
  return {action->text(), [action](const QString& text) { action->setText(text); }};
}

bool hasCaption(const QAction* action) { return !action->isSeparator() && !action->text().isEmpty(); }

// The items of a menu and of its submenus, a scope each.
void markMenu(QMenu* menu) {
  std::vector<Captioned> items;
  for (QAction* action : menu->actions())
    if (hasCaption(action)) items.push_back(captionOf(action));
  mark(items);
  for (QAction* action : menu->actions())
    if (action->menu() != nullptr) markMenu(action->menu());
}

// A menu whose items change (filled as it opens) is marked again each time
// it opens, after whatever fills it.
void keepMenuMarked(QMenu* menu) {
  static const char* const Watched = "brivantAltKeysWatched";
  if (menu->property(Watched).toBool()) return;
  menu->setProperty(Watched, true);
  QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] { markMenu(menu); });
  for (QAction* action : menu->actions())
    if (action->menu() != nullptr) keepMenuMarked(action->menu());
}

}  // namespace

void giveAltKeys(QWidget* window) {
  std::vector<Captioned> titlesAndButtons;
  const std::vector<QMenuBar*> bars = controlsOf<QMenuBar>(window);
  for (QMenuBar* bar : bars)
    for (QAction* action : bar->actions())
      if (hasCaption(action)) titlesAndButtons.push_back(captionOf(action));
  for (QAbstractButton* button : controlsOf<QAbstractButton>(window)) {
    if (button->text().isEmpty()) continue;
    titlesAndButtons.push_back({button->text(), [button](const QString& text) { button->setText(text); }});
  }
  // A label's letter moves the focus to its field: no button may use it.
  QString taken;
  for (QLabel* label : controlsOf<QLabel>(window))
    if (label->buddy() != nullptr && label->textFormat() != Qt::RichText)
      if (const QChar letter = AltKeys::letterOf(label->text()); !letter.isNull()) taken += letter;
  mark(titlesAndButtons, taken);

  for (QMenuBar* bar : bars) {
    for (QAction* action : bar->actions()) {
      if (action->menu() == nullptr) continue;
      markMenu(action->menu());
      keepMenuMarked(action->menu());
    }
  }
}

void openMenuBarOnF10(QMenuBar* bar) {
  auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), bar->window());
  f10->setContext(Qt::WindowShortcut);
  QObject::connect(f10, &QShortcut::activated, bar, [bar] {
    const QList<QAction*> titles = bar->actions();
    if (titles.isEmpty()) return;
    // Opening the first menu and closing it with Escape leaves the bar as Alt
    // does: the keyboard on the first title, the menu closed, Enter or Down
    // to open it, Escape to go back to the field.
    bar->setActiveAction(titles.front());
    if (QWidget* opened = QApplication::activePopupWidget(); opened != nullptr) {
      QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
      QCoreApplication::sendEvent(opened, &escape);
    }
  });
}

void enterClicks(QWidget* window, QPushButton* button) {
  button->setDefault(true);
  for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* enter = new QShortcut(QKeySequence(key), window);
    enter->setContext(Qt::WindowShortcut);
    QObject::connect(enter, &QShortcut::activated, button, [window, button] {
      // On another button, Enter presses that one.
      auto* focused = qobject_cast<QPushButton*>(window->focusWidget());
      (focused != nullptr ? focused : button)->click();
    });
  }
}

bool isOpeningKey(const QKeyEvent& key) {
  const bool plain = key.modifiers() == Qt::NoModifier || key.modifiers() == Qt::KeypadModifier;
  return plain && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Space);
}

bool claimOpeningKeys(QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride || !isOpeningKey(*static_cast<QKeyEvent*>(event))) return false;
  event->accept();
  return true;
}

void closeOnEscape(QWidget* window) {
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
  escape->setContext(Qt::WindowShortcut);
  QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}

}  // namespace brivant
