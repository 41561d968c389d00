#pragma once
// Every window centres itself on the screen when it opens.

#include <QMargins>

class QWidget;

namespace brivant {

// The room a desktop's frame takes around a window (title bar above, borders
// on the other sides), before the window manager has framed it.
inline constexpr QMargins FrameAllowance{8, 40, 8, 8};

// left = (screen width - window width) / 2, top = (screen height - window height) / 2,
// in integer halves, on the screen the window is on (the primary one before it is shown),
// within the room the desktop leaves for windows.  A window larger than that room is
// made smaller first, down to its minimum size.
void centreOnScreen(QWidget* window);

}  // namespace brivant
