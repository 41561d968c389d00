#pragma once
// The cluster window: the latest DX-cluster spots of one or two bands, from
// the spot server's web pages or from a telnet cluster node, sorted,
// filtered, with a sound alert; a click tunes the radio on the serial port to
// the spot.

#include <QPointer>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cluster/ClusterBands.h"
#include "cluster/SpotList.h"
#include "cluster/TelnetSpots.h"
#include "core/AppState.h"
#include "platform/ClusterFeed.h"
#include "platform/HttpPage.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class QTimer;
class QVBoxLayout;

namespace brivant {

class HamlibDialog;
class SelfSpotDialog;
class Radio;
class RadioControl;
class SerialPort;
class Sound;

// What the window needs from the main window.
struct ClusterHooks {
  // The text of Mode_A, the mode being logged ("SSB", "CW").
  std::function<QString()> loggingMode;
  // The list lines of the log (Liste_QSO), Windows-1252.
  std::function<const std::vector<std::string>&()> logLines;
  // Puts the callsign in Indicatif_A when the entry waits for a callsign;
  // whether it did.
  std::function<bool(const QString& callsign)> offerCallsign;
  // The callsign in Indicatif_A (the station announced when the station
  // activates no castle).
  std::function<QString()> entryCallsign;
};

// The services the window works through; tests give their own.
struct ClusterServices {
  Sound* sound = nullptr;  // a SystemSound of the window's own when none
  // The serial ports to offer; the machine's present ports when empty.
  std::function<std::vector<std::string>()> listPorts;
  int fetchTimeoutMs = HttpPage::DefaultTimeoutMs;
  ClusterFeed::Timing feedTiming{};
  // How long the node has to answer an announcement.
  int spotAnswerMs = 10'000;
  // The radio through hamlib, which outlives the window; one of the window's
  // own when none.
  RadioControl* radio = nullptr;
};

class Cluster final : public QWidget {
  Q_OBJECT

 public:
  Cluster(AppState& state, QWidget* parent, ClusterHooks hooks, ClusterServices services = {});
  ~Cluster() override;

  // Form_Load: centre, fill the lists, captions, restore the bands, the
  // transceiver, the port and speed (opening the port) and the source;
  // Timer2 on, ClusterIdle true, sorted by date.  The lists stay empty.
  void Form_Load();

  SortMode sortMode() const { return sortMode_; }
  bool clusterIdle() const { return ClusterIdle; }
  bool fetching() const { return page_->busy(); }
  const std::string& selectedSpotLine() const { return SelectedSpotLine; }
  const std::string& transceiverName() const { return TransceiverName; }
  ClusterFeed& feed() { return *feed_; }
  SerialPort& serialPort() { return *port_; }
  RadioControl& radioControl() { return *radioControl_; }
  // The window of "Autre (hamlib)…" while it is open.
  HamlibDialog* hamlibDialog() const;
  // The window of "Annoncer…" while it is open.
  SelfSpotDialog* selfSpotDialog() const;
  // Sends an announcement's command on the telnet connection and waits for
  // the node's answer, shown in the state line; without a connection the
  // operator is told and false comes back.
  bool sendSelfSpot(const std::string& line, const std::string& call);

  QMenuBar* menuBar = nullptr;
  QMenu* Mnu_Port_Com = nullptr;
  QMenu* Mnu_Baud = nullptr;
  QMenu* Mnu_Source = nullptr;
  QAction* Mnu_Page_Web = nullptr;
  QAction* Mnu_Telnet = nullptr;
  QAction* Mnu_Noeud_Telnet = nullptr;
  QAction* Mnu_Serveur = nullptr;
  QAction* Mnu_Annoncer = nullptr;
  QAction* Mnu_4800 = nullptr;
  QAction* Mnu_9600 = nullptr;
  QAction* Mnu_38400 = nullptr;
  QAction* Mnu_57600 = nullptr;

  QLabel* titleLabel = nullptr;
  QLabel* band1Label = nullptr;
  QComboBox* Bande_CL = nullptr;
  QLabel* band2Label = nullptr;
  QComboBox* Bande_CL2 = nullptr;
  QPushButton* Afficher = nullptr;
  QLabel* Patientez = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* QTR = nullptr;
  QPushButton* Tri_Date = nullptr;
  QPushButton* Tri_DX = nullptr;
  QPushButton* Tri_QRG = nullptr;
  QLineEdit* Text1 = nullptr;
  QLineEdit* Text2 = nullptr;
  QListWidget* Liste_Stations = nullptr;
  QListWidget* Liste_Stations_Bis = nullptr;  // hidden
  QCheckBox* Check1 = nullptr;
  QCheckBox* Check2 = nullptr;
  QCheckBox* Check3 = nullptr;
  QLineEdit* Indicatif = nullptr;
  QLabel* transceiverLabel = nullptr;
  QComboBox* Emetteur = nullptr;
  QLabel* comLabel = nullptr;
  QLabel* NumPort = nullptr;
  QLabel* baudsLabel = nullptr;
  QLabel* DebitPort = nullptr;
  QLabel* feedState = nullptr;  // the telnet connection, with the telnet source
  QTimer* Timer2 = nullptr;

 public slots:
  void Afficher_Click();
  void Timer2_Timer();
  void Tri_Date_Click();
  void Tri_DX_Click();
  void Tri_QRG_Click();
  void Check1_Click();
  void Check2_Click();
  void Indicatif_Enter();
  void Liste_Stations_Click();
  void Liste_Stations_DblClick();
  void Emetteur_Click();
  void Mnu_SansCom_Click();
  void Mnu_Port_Click(const QString& name);
  void Mnu_Speed_Click(const QString& speed);
  void Mnu_Serveur_Click();
  void Mnu_Page_Web_Click();
  void Mnu_Telnet_Click();
  void Mnu_Noeud_Telnet_Click();
  void Mnu_Annoncer_Click();
  // The first step of every refresh: both lists emptied, the sort mode of
  // the coming lines taken.
  void clearLists();
  // The end of a page's fetch: the page's text, empty when none came.
  void pageFetched(const QString& text);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  // The groups of controls, from the top of the window down.
  void buildBandRow(QVBoxLayout* layout);
  void buildSpotList(QVBoxLayout* layout);
  void buildFilterRow(QVBoxLayout* layout);
  void buildRadioRow(QVBoxLayout* layout);
  void connectControls();
  void buildMenus();
  void setCaptions();
  void alignHeadings();

  // The refresh of the list: clears both lists, stores the bands when asked,
  // then lists the first band and the second one when chosen.
  void FullRefresh(bool storeBands);
  void nextBand();
  void Affiche_Cluster(const ClusterBandEntry& entry);
  // Adds the spots through the filters and the alert, shows the list and
  // selects a line.
  void listSpots(const std::vector<Spot>& spots);
  void showSpotLines();
  SpotFilters filters() const;
  void stampQtr();
  void sortBy(SortMode mode);
  void paintSortButtons();
  bool telnetSource() const;
  bool spotServerMissing() const;

  void Cluster_Liste();
  // The transceiver of an Emetteur index: stored, named, and the radio that
  // tunes to the spots made (a hamlib radio takes the place of the serial
  // port's Yaesu, whose port is closed meanwhile).
  void chooseTransceiver(int index);
  bool hamlibChosen() const;
  void openHamlibDialog();
  void fillPortMenu();
  void loadPort();
  void checkSpeedItem(const QString& speed);
  void startFeed();
  void showFeedState();
  void telnetLine(const QByteArray& line);
  void takeSelfSpotAnswer(const QByteArray& line);
  void selfSpotUnanswered();

  AppState& state_;
  ClusterHooks hooks_;
  ClusterServices services_;
  std::unique_ptr<Sound> ownSound_;
  Sound* sound_;
  HttpPage* page_;
  ClusterFeed* feed_;
  std::unique_ptr<SerialPort> port_;
  std::unique_ptr<Radio> radio_;
  RadioControl* radioControl_;
  QPointer<HamlibDialog> hamlibDialog_;
  QPointer<SelfSpotDialog> selfSpotDialog_;
  // The callsign of the announcement waiting for the node's answer.
  std::string spotAnswerCall_;
  QTimer* spotAnswerTimer_ = nullptr;
  int transceiverIndex_ = -1;
  QActionGroup* sourceGroup_ = nullptr;
  QHBoxLayout* headings_ = nullptr;

  SortMode sortMode_ = SortMode::Date;
  bool ClusterIdle = true;
  std::string SelectedSpotLine;
  std::string TransceiverName;
  SpotList spots_;
  TelnetSpots telnetSpots_;
  std::deque<const ClusterBandEntry*> pendingBands_;
  bool filling_ = false;
  // Set while spots are listed: an alert sound lets timers run, and a
  // refresh must not start half way through the list.
  bool listing_ = false;
};

}  // namespace brivant
