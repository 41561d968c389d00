// The program as the composition puts it together: which controls it wires,
// which stay disabled until their window is wired, and the entry form's one
// list of fields.

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <set>

#include "tests/core/ui/MainFixture.h"

namespace brivant::testing {
namespace {

using CompositionTest = MainFixture;

TEST_F(CompositionTest, MenuItemsAndButtonsAreEnabledWhereTheyAreWired) {
  // The main window alone answers only its own items.
  AppState aloneState(programDir.path(), store, clock, dialogs);
  Main alone(aloneState);
  Main& window = makeMain();
  const struct {
    QAction* Main::*item;
    bool wired;
  } items[] = {
      {&Main::Mnu_RAZ_All, true},       {&Main::Mnu_MAJ_Prefixe_Departement, true},
      {&Main::Mnu_ADIF, true},          {&Main::Mnu_Quellon, true},
      {&Main::Mnu_Feuille_Recap, true}, {&Main::Mnu_Imprime_Tout, true},
      {&Main::Mnu_Reglement, true},     {&Main::Mnu_Mode_Emploi, true},
      {&Main::Mnu_A_Propos, true},      {&Main::Mnu_Carte_Activation, true},
      {&Main::Mnu_Stat_Prefixe, true},  {&Main::Mnu_Stat_DFCF, true},
      {&Main::Mnu_Imp_QSL, true},       {&Main::Mnu_Import_ADIF, true},
  };
  for (const auto& [item, wired] : items) {
    EXPECT_FALSE((alone.*item)->isEnabled()) << (alone.*item)->objectName().toStdString();
    EXPECT_EQ((window.*item)->isEnabled(), wired) << (window.*item)->objectName().toStdString();
  }
  // Annuler, Editer, Effacer, the search and the cluster act at once; QSO
  // Suivant waits for a whole contact.
  for (QPushButton* button : {window.Annuler, window.Editer, window.Effacer, window.Recherche, window.ClusterHF})
    EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
  EXPECT_FALSE(window.Enregistrer->isEnabled());
  for (QPushButton* button : {alone.Annuler, alone.Editer, alone.Effacer, alone.Recherche, alone.ClusterHF})
    EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
  // The grid is the entry's, placed in the main window's Frame3.
  EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("Dpt")), static_cast<QWidget*>(&Dpt()));
  EXPECT_EQ(alone.findChild<QWidget*>(QStringLiteral("Dpt")), nullptr);
}

TEST_F(CompositionTest, TheFormListsEveryFieldOnceInTheOrderOfEntry) {
  Main& window = makeMain();
  std::vector<std::string> order;
  std::set<QWidget*> listed;
  std::vector<std::string> capitals;
  for (const EntryField& field : window.fields()) {
    ASSERT_NE(field.control, nullptr);
    order.push_back(field.control->objectName().toStdString());
    listed.insert(field.control);
    if (field.capitals) capitals.push_back(order.back());
    EXPECT_EQ(field.holds == EntryField::Holds::ItemIndex, field.control == window.Activite_A);
  }
  EXPECT_EQ(order, (std::vector<std::string>{"Bande_A", "Mode_A", "Indicatif_A", "Depart_A", "Locator_A", "Activite_A",
                                             "Date_A", "Debut_A", "Fin_A", "RSTR_A", "RSTE_A", "Prenom_A", "QTH_A",
                                             "Remarques_A", "Distance_A", "Azimut_A"}));
  EXPECT_EQ(capitals, (std::vector<std::string>{"Indicatif_A", "Prenom_A", "QTH_A", "Remarques_A"}));
  // Every field of the form's frame is in the list: none is forgotten by the
  // save, the edit or the cancellation.
  for (QWidget* child : window.Frame4->findChildren<QWidget*>()) {
    const bool isField =
        qobject_cast<QComboBox*>(child) != nullptr ||
        (qobject_cast<QLineEdit*>(child) != nullptr && qobject_cast<QComboBox*>(child->parent()) == nullptr);
    if (isField) {
      EXPECT_TRUE(listed.count(child)) << child->objectName().toStdString();
    }
  }
}

}  // namespace
}  // namespace brivant::testing
