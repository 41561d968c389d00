#pragma once
// The operating manual: the bilingual help document shown in a window of the
// program, opened at the part in the interface language.

#include <QWidget>

#include "core/AppState.h"

class QTextBrowser;

namespace brivant {

class HelpWindow final : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(AppState& state, QWidget* parent = nullptr);

  // Loads the document; false (after a message) when it cannot be read.
  bool Form_Load();

  QTextBrowser* Document = nullptr;

 private:
  AppState& state_;
};

}  // namespace brivant
