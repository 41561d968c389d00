#pragma once
// The log listing window: a preview of the listing, Save and Print.

#include <QWidget>

#include "core/AppState.h"
#include "platform/Result.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace brivant {

class Printer;

class Impression final : public QWidget {
  Q_OBJECT

 public:
  Impression(AppState& state, Printer& printer, QWidget* parent = nullptr);

  // Form_Load: centre, captions, the preview of the log as it is now (not
  // refreshed while the window stays open).  A log that cannot be read leaves
  // the preview with its heads only and is returned.
  Status Form_Load();

  QListWidget* Visu_Print = nullptr;
  QLabel* Label2 = nullptr;
  QPushButton* Enregistrer = nullptr;
  QPushButton* Imprimer = nullptr;
  QPushButton* Quitter = nullptr;

 public slots:
  void Enregistrer_Click();
  void Imprimer_Click();
  void Quitter_Click();

 private:
  AppState& state_;
  Printer& printer_;
};

}  // namespace brivant
