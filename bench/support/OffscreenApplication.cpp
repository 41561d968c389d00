#include "bench/support/OffscreenApplication.h"

#include <QApplication>

namespace brivant::bench {

QApplication& offscreenApplication() {
  static int argc = 1;
  static char name[] = "brivant_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Made once and never destroyed: Qt's own globals made after it (the input
  // devices of the first key event) are gone before a static of ours would
  // be, and its destructor then crashed the program at exit.
  static QApplication* const application = new QApplication(argc, argv);
  return *application;
}

}  // namespace brivant::bench
