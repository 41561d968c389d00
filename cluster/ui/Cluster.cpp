#include "cluster/ui/Cluster.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "cluster/ClusterSettings.h"
#include "cluster/ClusterTexts.h"
#include "cluster/HamlibSettings.h"
#include "cluster/Radio.h"
#include "cluster/YaesuCat.h"
#include "cluster/ui/HamlibDialog.h"
#include "cluster/ui/RadioControl.h"
#include "core/ui/Centre.h"
#include "core/ui/KeyboardAccess.h"
#include "core/ui/Named.h"
#include "platform/Cp1252.h"
#include "platform/SerialPort.h"
#include "platform/Sound.h"

namespace brivant {

namespace {

constexpr int RefreshIntervalMs = 60'000;
// The list shows this many characters of a SpotLine without scrolling.
constexpr int ListColumns = 96;

QLineEdit* heading(QWidget* parent, const char* name, const QString& text) {
  auto* box = named(new QLineEdit(text, parent), name);
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::NoFocus);
  return box;
}

}  // namespace

Cluster::Cluster(AppState& state, QWidget* parent, ClusterHooks hooks, ClusterServices services)
    : QWidget(parent, Qt::Window),
      state_(state),
      hooks_(std::move(hooks)),
      services_(std::move(services)),
      sound_(services_.sound),
      page_(new HttpPage(this, services_.fetchTimeoutMs)),
      feed_(new ClusterFeed(this, services_.feedTiming)),
      port_(std::make_unique<SerialPort>()),
      radioControl_(services_.radio != nullptr ? services_.radio : new RadioControl(state, this)) {
  setObjectName(QStringLiteral("Cluster"));
  setAttribute(Qt::WA_DeleteOnClose);
  if (sound_ == nullptr) {
    ownSound_ = std::make_unique<SystemSound>();
    sound_ = ownSound_.get();
  }
  if (!services_.listPorts) services_.listPorts = &SerialPort::presentPorts;
  buildControls();
  buildMenus();
  connect(page_, &HttpPage::finished, this, &Cluster::pageFetched);
  connect(feed_, &ClusterFeed::lineReceived, this, &Cluster::telnetLine);
  connect(feed_, &ClusterFeed::stateChanged, this, &Cluster::showFeedState);
  spotAnswerTimer_ = new QTimer(this);
  spotAnswerTimer_->setSingleShot(true);
  connect(spotAnswerTimer_, &QTimer::timeout, this, &Cluster::selfSpotUnanswered);
}

Cluster::~Cluster() {
  // The radio refers to the port: it goes first.
  radio_.reset();
}

void Cluster::buildControls() {
  auto* layout = new QVBoxLayout(this);
  buildBandRow(layout);
  buildSpotList(layout);
  buildFilterRow(layout);
  buildRadioRow(layout);

  Timer2 = new QTimer(this);
  Timer2->setObjectName(QStringLiteral("Timer2"));
  Timer2->setInterval(RefreshIntervalMs);

  connectControls();

  setTabOrder(Bande_CL, Bande_CL2);
  setTabOrder(Bande_CL2, Afficher);
  setTabOrder(Afficher, Tri_Date);
  setTabOrder(Tri_Date, Tri_DX);
  setTabOrder(Tri_DX, Tri_QRG);
  setTabOrder(Tri_QRG, Liste_Stations);
  setTabOrder(Liste_Stations, Check1);
  setTabOrder(Check1, Check2);
  setTabOrder(Check2, Indicatif);
  setTabOrder(Indicatif, Check3);
  setTabOrder(Check3, Emetteur);
}

// The title, then the bands to show and the button that shows them.
void Cluster::buildBandRow(QVBoxLayout* layout) {
  titleLabel = named(new QLabel(QString::fromLatin1(ClusterFixedTexts::Title), this), "titleLabel");
  QFont titleFont = titleLabel->font();
  titleFont.setBold(true);
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
  titleLabel->setFont(titleFont);
  titleLabel->setAlignment(Qt::AlignCenter);
  layout->addWidget(titleLabel);

  auto* bands = new QHBoxLayout;
  band1Label = named(new QLabel(this), "band1Label");
  Bande_CL = named(new QComboBox(this), "Bande_CL");
  band1Label->setBuddy(Bande_CL);
  band2Label = named(new QLabel(this), "band2Label");
  Bande_CL2 = named(new QComboBox(this), "Bande_CL2");
  band2Label->setBuddy(Bande_CL2);
  Afficher = named(new QPushButton(this), "Afficher");
  Patientez = named(new QLabel(this), "Patientez");
  QFont waitFont = Patientez->font();
  waitFont.setBold(true);
  Patientez->setFont(waitFont);
  Patientez->setStyleSheet(QStringLiteral("color: #b00000"));
  for (QWidget* widget : std::initializer_list<QWidget*>{band1Label, Bande_CL, band2Label, Bande_CL2, Afficher})
    bands->addWidget(widget);
  bands->addWidget(Patientez);
  bands->addStretch();
  layout->addLayout(bands);
}

// When the spots were fetched, the sort buttons and headings over their
// columns, and the spots.
void Cluster::buildSpotList(QVBoxLayout* layout) {
  auto* updated = new QHBoxLayout;
  Label2 = named(new QLabel(this), "Label2");
  QTR = named(new QLabel(this), "QTR");
  updated->addWidget(Label2);
  updated->addWidget(QTR);
  updated->addStretch();
  feedState = named(new QLabel(this), "feedState");
  feedState->hide();
  updated->addWidget(feedState);
  layout->addLayout(updated);

  auto* headings = headings_ = new QHBoxLayout;
  headings->setSpacing(0);
  Tri_Date = named(new QPushButton(QString::fromLatin1(ClusterFixedTexts::TriDate), this), "Tri_Date");
  Tri_DX = named(new QPushButton(QString::fromLatin1(ClusterFixedTexts::TriDx), this), "Tri_DX");
  Tri_QRG = named(new QPushButton(QString::fromLatin1(ClusterFixedTexts::TriQrg), this), "Tri_QRG");
  Tri_Date->setToolTip(QString::fromUtf8(ClusterFixedTexts::TipDate));
  Tri_DX->setToolTip(QString::fromUtf8(ClusterFixedTexts::TipDx));
  Tri_QRG->setToolTip(QString::fromUtf8(ClusterFixedTexts::TipQrg));
  Text1 = heading(this, "Text1", QString::fromLatin1(ClusterFixedTexts::Text1));
  Text2 = heading(this, "Text2", {});
  headings->addSpacing(0);
  for (QWidget* widget : std::initializer_list<QWidget*>{Tri_Date, Tri_DX, Tri_QRG, Text1}) headings->addWidget(widget);
  headings->addWidget(Text2, 1);
  layout->addLayout(headings);

  Liste_Stations = named(new QListWidget(this), "Liste_Stations");
  Liste_Stations->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  Liste_Stations->setUniformItemSizes(true);
  layout->addWidget(Liste_Stations, 1);
  Liste_Stations_Bis = named(new QListWidget(this), "Liste_Stations_Bis");
  Liste_Stations_Bis->hide();
}

// Which spots to show: the filters and the callsign to look for.
void Cluster::buildFilterRow(QVBoxLayout* layout) {
  auto* filters = new QHBoxLayout;
  Check1 = named(new QCheckBox(this), "Check1");
  Check2 = named(new QCheckBox(this), "Check2");
  Indicatif = named(new QLineEdit(this), "Indicatif");
  Indicatif->setMaxLength(12);
  Indicatif->setFixedWidth(Indicatif->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMMMM")));
  Check3 = named(new QCheckBox(this), "Check3");
  for (QWidget* widget : std::initializer_list<QWidget*>{Check1, Check2, Indicatif, Check3}) filters->addWidget(widget);
  filters->addStretch();
  layout->addLayout(filters);
}

// The radio the spots tune: its kind, port and speed.
void Cluster::buildRadioRow(QVBoxLayout* layout) {
  auto* radio = new QHBoxLayout;
  transceiverLabel = named(new QLabel(this), "transceiverLabel");
  Emetteur = named(new QComboBox(this), "Emetteur");
  transceiverLabel->setBuddy(Emetteur);
  comLabel = named(new QLabel(QString::fromLatin1(ClusterFixedTexts::Com), this), "comLabel");
  NumPort = named(new QLabel(this), "NumPort");
  baudsLabel = named(new QLabel(QString::fromLatin1(ClusterFixedTexts::Bauds), this), "baudsLabel");
  DebitPort = named(new QLabel(this), "DebitPort");
  for (QLabel* value : {NumPort, DebitPort}) {
    value->setFrameShape(QFrame::Panel);
    value->setFrameShadow(QFrame::Sunken);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("ttyUSB00")) + 8);
  }
  for (QWidget* widget :
       std::initializer_list<QWidget*>{transceiverLabel, Emetteur, comLabel, NumPort, baudsLabel, DebitPort})
    radio->addWidget(widget);
  radio->addStretch();
  layout->addLayout(radio);
}

void Cluster::connectControls() {
  connect(Afficher, &QPushButton::clicked, this, &Cluster::Afficher_Click);
  connect(Timer2, &QTimer::timeout, this, &Cluster::Timer2_Timer);
  connect(Tri_Date, &QPushButton::clicked, this, &Cluster::Tri_Date_Click);
  connect(Tri_DX, &QPushButton::clicked, this, &Cluster::Tri_DX_Click);
  connect(Tri_QRG, &QPushButton::clicked, this, &Cluster::Tri_QRG_Click);
  connect(Check1, &QCheckBox::clicked, this, &Cluster::Check1_Click);
  connect(Check2, &QCheckBox::clicked, this, &Cluster::Check2_Click);
  connect(Indicatif, &QLineEdit::returnPressed, this, &Cluster::Indicatif_Enter);
  // Typed lower-case letters become capitals.
  connect(Indicatif, &QLineEdit::textEdited, this, [this](const QString& text) {
    const QString upper = Cp1252::toQString(Cp1252::upperAscii(Cp1252::fromQString(text)));
    if (upper == text) return;
    const int cursor = Indicatif->cursorPosition();
    Indicatif->setText(upper);
    Indicatif->setCursorPosition(cursor);
  });
  connect(Liste_Stations, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!filling_ && row >= 0) Liste_Stations_Click();
  });
  connect(Liste_Stations, &QListWidget::itemDoubleClicked, this, &Cluster::Liste_Stations_DblClick);
  connect(Emetteur, &QComboBox::activated, this, &Cluster::Emetteur_Click);
  closeOnEscape(this);
}

void Cluster::buildMenus() {
  menuBar = named(new QMenuBar(this), "menuBar");
  layout()->setMenuBar(menuBar);
  Mnu_Port_Com = named(menuBar->addMenu(QString()), "Mnu_Port_Com");
  connect(Mnu_Port_Com, &QMenu::aboutToShow, this, &Cluster::fillPortMenu);
  fillPortMenu();

  Mnu_Baud = named(menuBar->addMenu(QString()), "Mnu_Baud");
  auto* speeds = new QActionGroup(this);
  for (std::string_view speed : ClusterSettings::OfferedSpeeds) {
    const QString text = QString::fromLatin1(speed.data(), static_cast<qsizetype>(speed.size()));
    QAction* item = Mnu_Baud->addAction(QLatin1Char('&') + text);
    item->setObjectName(QStringLiteral("Mnu_") + text);
    item->setCheckable(true);
    speeds->addAction(item);
    connect(item, &QAction::triggered, this, [this, text] { Mnu_Speed_Click(text); });
  }
  speeds->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  const QList<QAction*> items = Mnu_Baud->actions();
  Mnu_4800 = items[0];
  Mnu_9600 = items[1];
  Mnu_38400 = items[2];
  Mnu_57600 = items[3];

  Mnu_Source = named(menuBar->addMenu(QString()), "Mnu_Source");
  sourceGroup_ = new QActionGroup(this);
  Mnu_Page_Web = named(Mnu_Source->addAction(QString()), "Mnu_Page_Web");
  Mnu_Telnet = named(Mnu_Source->addAction(QString()), "Mnu_Telnet");
  for (QAction* item : {Mnu_Page_Web, Mnu_Telnet}) {
    item->setCheckable(true);
    sourceGroup_->addAction(item);
  }
  Mnu_Page_Web->setChecked(true);
  Mnu_Source->addSeparator();
  Mnu_Noeud_Telnet = named(Mnu_Source->addAction(QString()), "Mnu_Noeud_Telnet");
  connect(Mnu_Page_Web, &QAction::triggered, this, &Cluster::Mnu_Page_Web_Click);
  connect(Mnu_Telnet, &QAction::triggered, this, &Cluster::Mnu_Telnet_Click);
  connect(Mnu_Noeud_Telnet, &QAction::triggered, this, &Cluster::Mnu_Noeud_Telnet_Click);

  Mnu_Serveur = named(menuBar->addAction(QString()), "Mnu_Serveur");
  connect(Mnu_Serveur, &QAction::triggered, this, &Cluster::Mnu_Serveur_Click);
  Mnu_Annoncer = named(menuBar->addAction(QString()), "Mnu_Annoncer");
  connect(Mnu_Annoncer, &QAction::triggered, this, &Cluster::Mnu_Annoncer_Click);
  openMenuBarOnF10(menuBar);
}

void Cluster::setCaptions() {
  const bool french = state_.french();
  const ClusterCaptions captions = clusterCaptions(french);
  setWindowTitle(QStringLiteral("Cluster"));
  band1Label->setText(captions.bandLabel1);
  band2Label->setText(captions.bandLabel2);
  Label2->setText(captions.label2);
  Afficher->setText(captions.afficher);
  Patientez->setText(captions.patientez);
  Text2->setText(captions.text2);
  Check1->setText(captions.check1);
  Check2->setText(captions.check2);
  Check3->setText(captions.check3);
  transceiverLabel->setText(captions.transceiverLabel);
  Mnu_Port_Com->setTitle(captions.menuPort);
  Mnu_Baud->setTitle(captions.menuBaud);
  Mnu_Source->setTitle(captions.menuSource);
  Mnu_Page_Web->setText(captions.sourcePages);
  Mnu_Telnet->setText(captions.sourceTelnet);
  Mnu_Noeud_Telnet->setText(captions.telnetNode);
  Mnu_Serveur->setText(captions.menuServer);
  Mnu_Annoncer->setText(captions.announce);
  giveAltKeys(this);
}

// The sort buttons and the two headings sit over their columns of the list:
// a SpotLine has the date in columns 1-14 (with the blank before it), the DX
// in 15-27, the QRG in 28-36, the spotter in 37-48, the remarks after.
void Cluster::alignHeadings() {
  const QFontMetrics metrics(Liste_Stations->font());
  const int column = metrics.horizontalAdvance(QLatin1Char('M'));
  const int textStart = Liste_Stations->frameWidth() +
                        Liste_Stations->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, Liste_Stations) + 1;
  if (QSpacerItem* indent = headings_->itemAt(0)->spacerItem(); indent != nullptr)
    indent->changeSize(textStart, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
  Tri_Date->setFixedWidth(14 * column);
  Tri_DX->setFixedWidth(13 * column);
  Tri_QRG->setFixedWidth(9 * column);
  Text1->setFixedWidth(12 * column);
  Liste_Stations->setMinimumWidth(ListColumns * column + 2 * textStart +
                                  Liste_Stations->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  Liste_Stations->setMinimumHeight(16 * metrics.height());
  headings_->invalidate();
}

void Cluster::Form_Load() {
  Bande_CL->clear();
  for (const ClusterBandEntry& entry : FirstBandEntries) Bande_CL->addItem(Cp1252::toQString(entry.label));
  Bande_CL2->clear();
  for (const ClusterBandEntry& entry : SecondBandEntries) Bande_CL2->addItem(Cp1252::toQString(entry.label));
  Emetteur->clear();
  for (std::string_view model : YaesuModelNames) Emetteur->addItem(Cp1252::toQString(model));
  Emetteur->addItem(hamlibTransceiverText(state_.french()));
  setCaptions();
  alignHeadings();
  adjustSize();
  centreOnScreen(this);

  const std::string& call = state_.StationCall;
  Bande_CL->setCurrentIndex(ClusterSettings::indexInList(
      Settings::getInt(state_.settings, Settings::Common::ClusterBand, call), Bande_CL->count(), 0));
  Bande_CL2->setCurrentIndex(ClusterSettings::indexInList(
      Settings::getInt(state_.settings, Settings::Common::ClusterBand1, call), Bande_CL2->count(), 0));
  const int storedModel = Settings::getInt(state_.settings, Settings::Common::TransceiverModel, call);
  Emetteur->setCurrentIndex(ClusterSettings::indexInList(storedModel, Emetteur->count(), 2));
  chooseTransceiver(Emetteur->currentIndex());
  if (hamlibChosen() && !radioControl_->link().running()) radioControl_->restore();

  loadPort();

  if (Settings::getText(state_.settings, ClusterSettings::Source, call) == "1") {
    Mnu_Telnet->setChecked(true);
    startFeed();
  }

  Patientez->hide();
  Timer2->start();
  ClusterIdle = true;
  sortMode_ = SortMode::Date;
  spots_.clear(sortMode_);
  paintSortButtons();
}

void Cluster::closeEvent(QCloseEvent* event) {
  Timer2->stop();
  feed_->stop();
  if (port_->isOpen()) port_->close();
  QWidget::closeEvent(event);
}

}  // namespace brivant
