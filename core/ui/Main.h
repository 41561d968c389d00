#pragma once
// The main window: the entry form of one contact, the list of logged
// contacts, the departement grid, the score, the clock and the menus that open
// every other window.  It lives for the whole run.
//
// How its code is split:
//   Main.cpp            construction, the list, the grid, the score, errors, closing
//   MainLayout.cpp      the controls and how they are laid out
//   MainMenus.cpp       the menus and their design captions
//   MainLanguage.cpp    Aff_Langue and the language menu
//   MainStartup.cpp     Form_Load, the start-up in its 27 steps
//   MainClock.cpp       Timer1, the date and time labels, the clock option menus
//   entry/ui/MainGrid   the departement grid widget
//   entry/ui/MainMaintenance  reset, rebuild from the log, backup at closing
//
// For the entry chain (the Enter handling of the fields, save, edit, delete,
// cancel), which lives in entry/ui and scoring/ui:
//   - every control is a public member named as in the design, with the same
//     objectName; Bande_A, Mode_A and Activite_A are editable combos that never
//     add typed text to their items;
//   - onKeyPress(field, handler) runs the handler for every key pressed in the
//     field (for an editable combo, keys typed into its text too); a handler
//     that returns true swallows the key.  A handler may insert replacement
//     text itself (typed capitals) and swallow the original key;
//   - onMouse(field, QEvent::MouseButtonDblClick / MouseButtonPress, handler)
//     does the same for clicks and double clicks;
//   - Charge_Liste_QSO, Affiche_Departements, showEntryGrid, showPoints, showList,
//     appendListLine, selectLastQso and raiseFileError are the shared window
//     operations; those that return a bool return false when the operation had
//     to stop (the missing-file window is then up, or the program is ending)
//     and the caller must stop too;
//   - the buttons Enregistrer, Annuler, Editer, Effacer start disabled and have
//     no handler: the entry chain connects and enables them.

#include <QMainWindow>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/AppState.h"
#include "platform/Result.h"

class QAction;
class QActionGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QMouseEvent;
class QPushButton;
class QScrollArea;
class QTimer;

namespace brivant {

class Chargement;
class OutputMenus;
class DeptGridView;
class Gestion_Erreur;
class QsoListModel;
class Station;
enum class Frame3Caller;

class Main final : public QMainWindow {
  Q_OBJECT

 public:
  explicit Main(AppState& state, QWidget* parent = nullptr);
  ~Main() override;

  AppState& state() { return state_; }
  bool french() const { return state_.french(); }

  // --- Start-up and the end of the program ---------------------------------

  // The start-up in its 27 steps.  False when it stopped (a file missing: the
  // missing-file window is up; or the program was told to end).
  bool Form_Load();

  // How the program ends (Quitter of the error window, "Erreur N°", closing
  // the main window).  The application installs one that leaves the event
  // loops; tests install one that records the call.
  using EndProgram = std::function<void(int exitCode)>;
  void setEndProgram(EndProgram endProgram) { endProgram_ = std::move(endProgram); }
  void endProgram(int exitCode);
  bool programEnded() const { return programEnded_; }

  // The Station window at first run is modal; tests drive it from a timer.
  Station* stationWindow();
  Gestion_Erreur* errorWindow() const { return errorWindow_; }
  Chargement* updatingWindow();

  // --- Shared window operations ---------------------------------------------

  // Charge_Liste_QSO for StationCall: the list, QsoCount and Frame4.
  bool Charge_Liste_QSO();
  // The grid for a band and mode; sets DeptCount.
  bool Affiche_Departements(std::string_view band, std::string_view mode);
  // The grid of the band being entered (it becomes GridBand) and of the mode
  // shown, and its count in Frame3's title as the caller words it.
  bool showEntryGrid(Frame3Caller caller);
  // Calcul_Points into P_QSO.
  bool showPoints();
  // The list, QsoCount and Frame4 from list lines already in hand (the log as
  // a rewrite just left it), without reading the file again.
  void showList(std::vector<std::string> lines);
  // Adds one list line at the end of Liste_QSO (a contact just appended).
  void appendListLine(std::string listLine);
  void selectLastQso();
  // The list lines (Windows-1252 bytes) and the selected one (-1: none).
  const std::vector<std::string>& listLines() const;
  int selectedQso() const;
  void selectQso(int row);

  // A file error of a log or tally operation: error 53 raises the
  // missing-file window, which names StationCall + missingLabel; any other
  // number shows "Erreur N° n" and ends the program.
  void raiseFileError(const FileError& error, std::string_view missingLabel);

  // Aff_Langue: every caption of the language tables.
  void Aff_Langue();

  // Whether the clock options are on (the live value is the menu check mark).
  bool utcTime() const;
  bool automaticDate() const;
  // One tick of Timer1: Label33, Label37 and Label34.
  void Timer1_Timer();
  // Checks the clock option items and sets Label15 as stored options say.
  void applyClockOptions(bool utc, bool automatic);

  // --- Entry chain hooks -----------------------------------------------------
  using KeyHandler = std::function<bool(QKeyEvent& event)>;
  using MouseHandler = std::function<bool(QMouseEvent& event)>;
  void onKeyPress(QWidget* field, KeyHandler handler);
  void onMouse(QWidget* field, int eventType, MouseHandler handler);

  // --- Controls (design names) ---------------------------------------------
  // Entry fields.
  QComboBox* Bande_A = nullptr;
  QComboBox* Mode_A = nullptr;
  QComboBox* Activite_A = nullptr;
  QLineEdit* Indicatif_A = nullptr;
  QLineEdit* Depart_A = nullptr;
  QLineEdit* Locator_A = nullptr;
  QLineEdit* Date_A = nullptr;
  QLineEdit* Debut_A = nullptr;
  QLineEdit* Fin_A = nullptr;
  QLineEdit* RSTR_A = nullptr;
  QLineEdit* RSTE_A = nullptr;
  QLineEdit* Prenom_A = nullptr;
  QLineEdit* QTH_A = nullptr;
  QLineEdit* Remarques_A = nullptr;
  QLineEdit* Distance_A = nullptr;
  QLineEdit* Azimut_A = nullptr;
  // Buttons.
  QPushButton* Enregistrer = nullptr;
  QPushButton* Annuler = nullptr;
  QPushButton* Editer = nullptr;
  QPushButton* Effacer = nullptr;
  QPushButton* Recherche = nullptr;
  QPushButton* ClusterHF = nullptr;
  // The list of contacts and its header.
  QListView* Liste_QSO = nullptr;
  QLabel* Label29 = nullptr;
  // Frames.
  QGroupBox* Frame1 = nullptr;  // station
  QGroupBox* Frame2 = nullptr;  // UTC and local time
  QGroupBox* Frame3 = nullptr;  // departement grid and count
  QGroupBox* Frame4 = nullptr;  // next QSO number (holds the entry form)
  QGroupBox* Frame5 = nullptr;  // "Log de " + callsign (holds the list)
  QGroupBox* Frame6 = nullptr;  // points
  QGroupBox* Frame7 = nullptr;  // today's date
  // Labels.
  QLabel* L_Station = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* I_Station = nullptr;
  QLabel* Label33 = nullptr;
  QLabel* Label37 = nullptr;
  QLabel* Label34 = nullptr;
  QLabel* Label26 = nullptr;
  QLabel* Label43 = nullptr;
  QLabel* Label38 = nullptr;
  QLabel* Label16 = nullptr;
  QLabel* Label15 = nullptr;
  QLabel* Label14 = nullptr;
  QLabel* Label13 = nullptr;
  QLabel* Label12 = nullptr;
  QLabel* Label11 = nullptr;
  QLabel* Label10 = nullptr;
  QLabel* Label9 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* P_QSO = nullptr;
  QLabel* NB_Debug = nullptr;
  QFrame* Line1 = nullptr;
  DeptGridView* Dpt = nullptr;
  QTimer* Timer1 = nullptr;

  // Menus and their items.
  QMenu* Mnu_Fichier = nullptr;
  QAction* Mnu_RAZ_All = nullptr;
  QAction* Mnu_MAJ_Prefixe_Departement = nullptr;
  QAction* Mnu_ADIF = nullptr;
  QAction* Mnu_Quellon = nullptr;
  QAction* Mnu_Quitter = nullptr;
  QMenu* Mnu_Langage = nullptr;
  QAction* Mnu_Fr = nullptr;
  QAction* Mnu_An = nullptr;
  QMenu* Mnu_Call = nullptr;
  QAction* Mnu_Station = nullptr;
  QMenu* Mnu_Options = nullptr;
  QMenu* Mnu_Date_Auto = nullptr;
  QAction* Mnu_Auto_Oui = nullptr;
  QAction* Mnu_Auto_Non = nullptr;
  QMenu* Mnu_Heure_UTC = nullptr;
  QAction* Mnu_UTC_Oui = nullptr;
  QAction* Mnu_UTC_Non = nullptr;
  QMenu* Mnu_Carte = nullptr;
  QAction* Mnu_Carte_Activation = nullptr;
  QMenu* Mnu_Statistique = nullptr;
  QAction* Mnu_Stat_Prefixe = nullptr;
  QAction* Mnu_Stat_DFCF = nullptr;
  QMenu* Mnu_Recap_ZIV = nullptr;
  QAction* Mnu_Feuille_Recap = nullptr;
  QMenu* Mnu_Log_Ziv = nullptr;
  QAction* Mnu_Imprime_Tout = nullptr;
  QAction* Mnu_Imp_QSL = nullptr;
  QAction* Mnu_Reglement = nullptr;
  QMenu* Mnu_Aide = nullptr;
  QAction* Mnu_Historique = nullptr;
  QAction* Mnu_Mode_Emploi = nullptr;
  QAction* Mnu_A_Propos = nullptr;

  QsoListModel* listModel() const { return listModel_; }
  // The sheet, listing, export, rules and help windows opened from the menus.
  OutputMenus* outputMenus() const { return outputMenus_; }

 public slots:
  void Mnu_Fr_Click();
  void Mnu_An_Click();
  void Mnu_Auto_Oui_Click();
  void Mnu_Auto_Non_Click();
  void Mnu_UTC_Oui_Click();
  void Mnu_UTC_Non_Click();
  void Mnu_Station_Click();
  void Mnu_Historique_Click();
  void Mnu_RAZ_All_Click();
  void Mnu_MAJ_Prefixe_Departement_Click();
  void Mnu_Quitter_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();                // MainLayout.cpp
  QWidget* buildEntryForm();           // MainLayout.cpp
  QWidget* buildTopRow();              // MainLayout.cpp
  QWidget* buildListFrame();           // MainLayout.cpp
  void buildMenus();                   // MainMenus.cpp
  void connectOutputMenus();           // MainMenus.cpp
  void setLanguage(const char* code);  // MainLanguage.cpp
  QWidget* fieldOf(QObject* watched) const;

  // Form_Load's steps (MainStartup.cpp).
  void checkPrefixFileSizes();

  AppState& state_;
  QsoListModel* listModel_ = nullptr;
  QScrollArea* listHeader_ = nullptr;
  QActionGroup* languageGroup_ = nullptr;
  QActionGroup* autoDateGroup_ = nullptr;
  QActionGroup* utcGroup_ = nullptr;
  Station* station_ = nullptr;
  Gestion_Erreur* errorWindow_ = nullptr;
  Chargement* chargement_ = nullptr;
  OutputMenus* outputMenus_ = nullptr;
  EndProgram endProgram_;
  bool programEnded_ = false;
  bool backupDone_ = false;
  std::map<QWidget*, KeyHandler> keyHandlers_;
  std::map<std::pair<QWidget*, int>, MouseHandler> mouseHandlers_;
};

}  // namespace brivant
