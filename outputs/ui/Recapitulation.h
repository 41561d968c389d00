#pragma once
// The recapitulative sheet window: the operator's identity, the category and
// castle fields, the ten-row score table with its totals, and Save, Print,
// Exit.

#include <QWidget>
#include <array>

#include "core/AppState.h"
#include "outputs/RecapSheet.h"
#include "platform/Result.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace brivant {

class Printer;

class Recapitulation final : public QWidget {
  Q_OBJECT

 public:
  Recapitulation(AppState& state, Printer& printer, QWidget* parent = nullptr);

  // Form_Load: centre, captions, identity, category, then the table from the
  // log and the tallies (which the caller has just rebuilt).  A file that
  // cannot be read leaves the table at 0 and is returned.
  Status Form_Load();
  // The table alone, computed again (the menu chosen while the window is
  // open: what the operator typed stays).
  Status loadTable();

  // What the boxes hold now.
  RecapIdentity identityOfBoxes() const;
  RecapCells cellsOfBoxes() const;

  QLabel* Label13 = nullptr;  // title
  QLabel* Label6 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label11 = nullptr;
  QLabel* Label9 = nullptr;
  QLabel* Label10 = nullptr;
  QLabel* Label15 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* Label7 = nullptr;
  QLineEdit* Nom = nullptr;
  QLineEdit* Prenom = nullptr;
  QLineEdit* Indicatif = nullptr;
  QLineEdit* Adresse1 = nullptr;
  QLineEdit* Adresse2 = nullptr;
  QLineEdit* Pays = nullptr;
  QLineEdit* Reference = nullptr;
  QLineEdit* Commune = nullptr;
  QLineEdit* Operateurs = nullptr;
  // Option1 items 1 to 3 are Option1[0] to Option1[2].
  std::array<QRadioButton*, 3> Option1{};
  // Table heads (read-only text boxes).
  QLineEdit* Text9 = nullptr;
  std::array<QLineEdit*, 5> columnHeads{};  // Text14, Text13, Text12, Text11, Text10
  std::array<QLineEdit*, 10> rowHeads{};    // Bande(0..4), Text19, Text18, Text17, Text16, Text15
  QLineEdit* Text25 = nullptr;
  // Row r (0-based) is QSO{r+1}, Point{r+1}, MCT{r+1}, MDP{r+1}, MPV{r+1}.
  std::array<QLineEdit*, 10> QSO{};
  std::array<QLineEdit*, 10> Point{};
  std::array<QLineEdit*, 10> MCT{};
  std::array<QLineEdit*, 10> MDP{};
  std::array<QLineEdit*, 10> MPV{};
  QLineEdit* Tot_QSO = nullptr;
  QLineEdit* Tot_Points = nullptr;
  QLineEdit* Tot_MC = nullptr;
  QLineEdit* Tot_MD = nullptr;
  QLineEdit* Tot_MP = nullptr;
  QLineEdit* Total_Points = nullptr;
  QPushButton* Enregistrer = nullptr;
  QPushButton* Imprimer = nullptr;
  QPushButton* Quitter = nullptr;

 public slots:
  void Option1_Click();
  void Enregistrer_Click();
  void Imprimer_Click();
  void Quitter_Click();

 private:
  void buildControls();
  // The groups of controls under the title, from the top down.
  void buildIdentity(QVBoxLayout* layout);
  void buildCategory(QVBoxLayout* layout);
  void buildScoreTable(QVBoxLayout* layout);
  void setCaptions();
  void showCells(const RecapCells& cells);
  // Enabled for a castle operator; emptied and disabled otherwise.
  void setCastleFields(bool castleOperator);
  // The first steps of Save and Print: the texts can be written, the
  // identity is stored, Total_Points recomputed.  False after a message.
  bool prepareSheet(RecapIdentity& identity, RecapCells& cells);

  AppState& state_;
  Printer& printer_;
};

}  // namespace brivant
