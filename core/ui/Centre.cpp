#include "core/ui/Centre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace brivant {

void centreOnScreen(QWidget* window) {
  QScreen* screen = window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->geometry();
  // The outer size, title bar and borders included, once the window manager
  // has framed the window; the client size before.
  const QSize outer = window->isVisible() ? window->frameGeometry().size() : window->size();
  // A window larger than the screen keeps its title bar on the screen.
  const int left = std::max(0, (area.width() - outer.width()) / 2);
  const int top = std::max(0, (area.height() - outer.height()) / 2);
  window->move(area.left() + left, area.top() + top);
}

}  // namespace brivant
