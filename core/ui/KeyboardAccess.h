#pragma once
// What makes a window usable from the keyboard alone: an Alt letter on every
// menu title, menu item and button, F10 for the menu bar, Enter for the
// window's main button.

#include <QWidget>
#include <vector>

class QEvent;
class QKeyEvent;
class QMenuBar;
class QPushButton;

namespace brivant {

// The controls of one kind in the window itself, not in the windows it owns
// (a dialog, a window of its own opened over it).
template <class Control>
std::vector<Control*> controlsOf(QWidget* window) {
  std::vector<Control*> found;
  for (Control* child : window->findChildren<Control*>())
    if (child->window() == window) found.push_back(child);
  return found;
}

// Gives an Alt letter to every caption of the window that has none: the
// titles of its menu bar and its buttons (one scope, with the letters of its
// labels that lead to a field), and the items of each of its menus (a scope
// each, kept up to date each time the menu opens).  A caption's own "&" is
// kept where no caption before it has that letter.  Call it once the
// captions are set, and again whenever a caption changes (a language switch,
// a button that changes its text).
void giveAltKeys(QWidget* window);

// F10 puts the keyboard on the first title of the bar, as Alt alone does.
void openMenuBarOnF10(QMenuBar* bar);

// Enter (either key) anywhere in the window clicks the button, or the button
// that has the focus; the button shows as the window's default one.
void enterClicks(QWidget* window, QPushButton* button);

// Escape anywhere in the window closes it, as it closes a dialog.
void closeOnEscape(QWidget* window);

// A control whose current item opens with a key (a grid of boxes): Enter
// (either key) or the space bar, without a modifier.
bool isOpeningKey(const QKeyEvent& key);
// Called first from such a control's event(): claims the opening keys before
// the window's shortcuts (its default button) take them.  True when the event
// was one and is taken; the key then comes to keyPressEvent.
bool claimOpeningKeys(QEvent* event);

}  // namespace brivant
