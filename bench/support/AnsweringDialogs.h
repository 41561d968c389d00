#pragma once
// Message boxes for the benchmarks: every box answered at once, Yes and OK to
// every question, the file to open when one is given, with a count of what
// was shown.

#include "platform/Dialogs.h"

namespace brivant::bench {

class AnsweringDialogs final : public Dialogs {
 public:
  void message(const QString&) override { ++shown; }
  bool yesNo(const QString&) override {
    ++asked;
    return true;
  }
  bool yesNoDefaultNo(const QString&) override {
    ++asked;
    return true;
  }
  bool okCancelCritical(const QString&) override {
    ++asked;
    return true;
  }
  bool choosePrinter(QPrinter&) override { return false; }
  std::optional<QString> chooseFileToSave(const QString&, const QString&, const QString&) override {
    return std::nullopt;
  }
  std::optional<QString> chooseFileToOpen(const QString&, const QString&, const QString&) override {
    return fileToOpen;
  }
  std::optional<QString> askText(const QString&, const QString&) override { return std::nullopt; }
  void previewPrint(QPrinter&, const std::function<void(QPrinter&)>&) override {}
  std::optional<QString> fileToOpen;
  int shown = 0;
  int asked = 0;
};

}  // namespace brivant::bench
