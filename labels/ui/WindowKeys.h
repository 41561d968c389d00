#pragma once
// The keys the label windows answer alike: Enter (either key) and Escape,
// which closes a window of its own as it closes a dialog.

#include <QKeyEvent>
#include <QWidget>

namespace brivant {

inline bool isEnterKey(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }

// Closes the window on Escape; false for any other key.
inline bool closeOnEscape(QWidget& window, const QKeyEvent& key) {
  if (key.key() != Qt::Key_Escape) return false;
  window.close();
  return true;
}

}  // namespace brivant
