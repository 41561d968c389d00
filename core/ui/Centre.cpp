#include "core/ui/Centre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace brivant {

void centreOnScreen(QWidget* window) {
  QScreen* screen = window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  // A window made for a larger screen, or for a smaller scaling, gives up the
  // room its frame and the desktop's panels take, down to its minimum size.
  const QSize room = area.size().shrunkBy(FrameAllowance);
  if (window->width() > room.width() || window->height() > room.height())
    window->resize(window->size().boundedTo(room).expandedTo(window->minimumSizeHint()));
  // The outer size, title bar and borders included: as framed once the
  // window manager has framed the window, with the room a frame takes before.
  const QSize outer = window->isVisible() ? window->frameGeometry().size() : window->size().grownBy(FrameAllowance);
  // A window larger than the screen keeps its title bar on the screen.
  const int left = std::max(0, (area.width() - outer.width()) / 2);
  const int top = std::max(0, (area.height() - outer.height()) / 2);
  window->move(area.left() + left, area.top() + top);
}

}  // namespace brivant
