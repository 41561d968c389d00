#pragma once
// A control given its objectName as it is made: the windows' controls carry
// the names the code knows them by.

#include <QString>

namespace brivant {

template <class Widget>
Widget* named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace brivant
