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
//
// Main includes nothing above core.  The folders above work on it through
// narrow views: the entry form (EntryForm, whose controls Main carries as
// members) and MainOperations (Main::view()).  What Main asks of them (the
// grid, the score, some start-up steps, the closing) comes through Hooks, and
// which of them answers a menu item or a button is decided in one place, the
// composition of the program (app/Composition).  Menu items and buttons stay
// disabled until the composition connects them.

#include <QMainWindow>
#include <QString>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/AppState.h"
#include "core/MainCaptions.h"
#include "core/ui/EntryForm.h"
#include "core/ui/MainOperations.h"
#include "platform/Result.h"

class QAction;
class QActionGroup;
class QFrame;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QMenu;
class QScrollArea;
class QTimer;

namespace brivant {

class Gestion_Erreur;
class QsoListModel;
class Station;

class Main final : public QMainWindow, public EntryForm {
  Q_OBJECT

 public:
  // What the main window asks of the folders above core.  The composition
  // fills it before Form_Load; a step without a hook is skipped.
  struct Hooks {
    // Affiche_Departements: the departement grid of a band and mode, and
    // DeptCount.  False when it had to stop.
    std::function<bool(std::string_view band, std::string_view mode)> showGrid;
    // Calcul_Points into P_QSO.  False when it had to stop.
    std::function<bool()> showPoints;
    // Start-up steps 8 and 15: the entry starts on the band Bande_A shows,
    // no contact edited.
    std::function<void(std::string band)> startEntry;
    // Start-up step 17: prefix files of another version are named.
    std::function<void()> checkPrefixFiles;
    // Start-up step 25: the tallies rebuilt from the log.  False when the
    // program cannot go on.
    std::function<bool()> rebuildTallies;
    // Unloading the window: the submission reminder and the backups; the
    // reminder and the messages only when an operator is there to read them.
    std::function<void(bool operatorPresent)> closing;
  };

  explicit Main(AppState& state, QWidget* parent = nullptr);
  ~Main() override;

  void setHooks(Hooks hooks) { hooks_ = std::move(hooks); }
  // The narrow view the windows of the other folders work with.
  MainOperations operations();
  MainView view() { return {state_, *this, operations()}; }
  // The departement grid (Dpt), drawn by the entry, at the top of Frame3.
  void setDeptGrid(QWidget* grid);
  // A line of the main window under the entry's buttons (what the keyer
  // sends).
  void placeUnderEntry(QWidget* line);

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
  // The system asks the program to end (a shutdown, a logout): it ends as
  // Quitter ends it, backups included once the log is loaded, but asks and
  // tells nothing, since nobody may be there to answer.
  void endOnRequest();

  // The Station window at first run is modal; tests drive it from a timer.
  Station* stationWindow();
  Gestion_Erreur* errorWindow() const { return errorWindow_; }

  // --- Shared window operations ---------------------------------------------

  // Charge_Liste_QSO for StationCall: the list, QsoCount and Frame4.  A torn
  // last line of the log is set aside first, and said; damaged lines are
  // said once for each station.
  bool Charge_Liste_QSO();
  // The grid for a band and mode (Hooks::showGrid): the band becomes
  // GridBand, the grid sets DeptCount.
  bool Affiche_Departements(std::string_view band, std::string_view mode);
  // The grid of the band being entered and of the mode shown, and its count
  // in Frame3's title as the caller words it.
  bool showEntryGrid(Frame3Caller caller, std::string_view entryBand);
  // Calcul_Points into P_QSO (Hooks::showPoints).
  bool showPoints();
  // The list, QsoCount and Frame4 from list lines already in hand (the log as
  // a rewrite just left it), without reading the file again.
  void showList(std::vector<std::string> lines);
  // QsoCount and Frame4 counted again from the list shown.
  void refreshContactCount();
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
  // Frame5's title, which also names the list for a screen reader.
  void setLogTitle(const QString& title);

  // Whether the clock options are on (the live value is the menu check mark).
  bool utcTime() const;
  bool automaticDate() const;
  // One tick of Timer1: Label33, Label37 and Label34.
  void Timer1_Timer();
  // Checks the clock option items and sets Label15 as stored options say.
  void applyClockOptions(bool utc, bool automatic);

  // Runs the handler for every key pressed in the field (for an editable
  // combo, keys typed into its text too); a handler that returns true
  // swallows the key.  onMouse does the same for clicks and double clicks
  // (QEvent::MouseButtonPress, MouseButtonDblClick).
  void onKeyPress(QWidget* field, KeyHandler handler);
  void onMouse(QWidget* field, int eventType, MouseHandler handler);
  // Runs the handler for every key pressed anywhere in the window, before
  // the field's own; a handler that returns true swallows the key.
  void onWindowKey(KeyHandler handler);

  // --- Controls (design names) ---------------------------------------------
  // The entry form's controls are members through EntryForm.
  // The header of the list of contacts.
  QLabel* Label29 = nullptr;
  // Frames (Frame3 and Frame4 are the entry form's).
  QGroupBox* Frame1 = nullptr;  // station
  QGroupBox* Frame2 = nullptr;  // UTC and local time
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
  QLabel* Label43 = nullptr;
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
  QLabel* Label6 = nullptr;
  QLabel* Label1 = nullptr;
  QFrame* Line1 = nullptr;
  QTimer* Timer1 = nullptr;

  // Menus and their items.
  QMenu* Mnu_Fichier = nullptr;
  QAction* Mnu_RAZ_All = nullptr;
  QAction* Mnu_MAJ_Prefixe_Departement = nullptr;
  QAction* Mnu_ADIF = nullptr;
  QAction* Mnu_Quellon = nullptr;
  QAction* Mnu_Import_ADIF = nullptr;  // a log written by another program
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
  // The CW messages of the function keys and the keyer that sends them.
  QAction* Mnu_Messages_CW = nullptr;
  QMenu* Mnu_Manipulateur = nullptr;
  QAction* Mnu_Manip_Aucun = nullptr;
  QAction* Mnu_Manip_Cwdaemon = nullptr;
  QAction* Mnu_Manip_Radio = nullptr;
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

 public slots:
  void Mnu_Fr_Click();
  void Mnu_An_Click();
  void Mnu_Auto_Oui_Click();
  void Mnu_Auto_Non_Click();
  void Mnu_UTC_Oui_Click();
  void Mnu_UTC_Non_Click();
  void Mnu_Station_Click();
  void Mnu_Historique_Click();
  void Mnu_Quitter_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();       // MainLayout.cpp
  QWidget* buildEntryForm();  // MainLayout.cpp
  // The entry form's groups: the contact's fields in the order the operator
  // fills them, the castle's, the buttons under them.
  void placeContactFields(QGridLayout* grid);
  void placeCastleFields(QGridLayout* grid);
  QHBoxLayout* buildEntryButtons();
  QWidget* buildTopRow();              // MainLayout.cpp
  QWidget* buildListFrame();           // MainLayout.cpp
  void buildMenus();                   // MainMenus.cpp
  void setLanguage(const char* code);  // MainLanguage.cpp
  // The stored event date is not a real date: it is asked for until one is
  // typed; unanswered, the date an absent setting gives.  MainStartup.cpp
  void askJncDate();
  QWidget* fieldOf(QObject* watched) const;

  AppState& state_;
  Hooks hooks_;
  QsoListModel* listModel_ = nullptr;
  QScrollArea* listHeader_ = nullptr;
  // The captions of the fields the design has none for.
  QLabel* locatorCaption_ = nullptr;
  QLabel* distanceCaption_ = nullptr;
  QLabel* azimuthCaption_ = nullptr;
  QActionGroup* languageGroup_ = nullptr;
  QActionGroup* autoDateGroup_ = nullptr;
  QActionGroup* utcGroup_ = nullptr;
  QActionGroup* keyerGroup_ = nullptr;
  Station* station_ = nullptr;
  Gestion_Erreur* errorWindow_ = nullptr;
  EndProgram endProgram_;
  bool programEnded_ = false;
  bool backupDone_ = false;
  // The station's log is loaded: from then on a closing makes its backups.
  bool logLoaded_ = false;
  // The system asked the program to end: nothing is asked or told.
  bool endRequested_ = false;
  // The station whose damaged log lines were said.
  std::string damageSaidFor_;
  std::map<QWidget*, KeyHandler> keyHandlers_;
  std::map<std::pair<QWidget*, int>, MouseHandler> mouseHandlers_;
  std::vector<KeyHandler> windowKeyHandlers_;
  QObject* windowKeyFilter_ = nullptr;
};

}  // namespace brivant
