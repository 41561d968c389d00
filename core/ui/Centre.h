#pragma once
// Every window centres itself on the screen when it opens.

class QWidget;

namespace brivant {

// left = (screen width - window width) / 2, top = (screen height - window height) / 2,
// in integer halves, on the screen the window is on (the primary one before it is shown).
void centreOnScreen(QWidget* window);

}  // namespace brivant
