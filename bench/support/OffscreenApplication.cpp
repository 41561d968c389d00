#include "bench/support/OffscreenApplication.h"

#include <QApplication>

namespace brivant::bench {

QApplication& offscreenApplication() {
  static int argc = 1;
  static char name[] = "brivant_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication application(argc, argv);
  return application;
}

}  // namespace brivant::bench
