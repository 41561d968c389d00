#pragma once
// The choice of the contacts that get a QSL label: every logged contact in
// Liste_QSO, the chosen ones in Liste_Imprime; a click moves a contact from
// one list to the other, Select_All moves them all, Impression opens the
// label window over this one.

#include <QPointer>
#include <QWidget>

#include "core/AppState.h"
#include "labels/LabelSelection.h"
#include "platform/Result.h"

class QLabel;
class QListView;
class QModelIndex;
class QPushButton;

namespace brivant {

class Etiquettes;
class Printer;
class SelectionListModel;

class Select_QSO final : public QWidget {
  Q_OBJECT

 public:
  Select_QSO(AppState& state, Printer& printer, QWidget* parent = nullptr);
  ~Select_QSO() override;

  // Form_Load: centre, captions, every contact of the log in Liste_QSO and
  // none in Liste_Imprime.  A log that cannot be read leaves both lists
  // empty and is returned.
  Status Form_Load();

  const LabelSelection& selection() const { return selection_; }
  // The label window while it is open.
  Etiquettes* etiquettes() const;

  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QListView* Liste_QSO = nullptr;
  QListView* Liste_Imprime = nullptr;
  QPushButton* Select_All = nullptr;
  QPushButton* Impression = nullptr;

 public slots:
  void Liste_QSO_Click(const QModelIndex& item);
  void Liste_Imprime_Click(const QModelIndex& item);
  void Select_All_Click();
  void Impression_Click();

 protected:
  // Enter or Space in a list moves its current contact, as a click does.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Escape closes the window.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void setCaptions();
  // Moves the contact at row of one list into the other; the row stays
  // current in the list it left.
  void moveContact(bool choose, int row);

  AppState& state_;
  Printer& printer_;
  LabelSelection selection_;
  SelectionListModel* unchosenModel_ = nullptr;
  SelectionListModel* chosenModel_ = nullptr;
  QPointer<Etiquettes> etiquettes_;
};

}  // namespace brivant
