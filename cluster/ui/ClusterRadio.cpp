// The radio side of the cluster window: the transceiver model, the serial
// port and speed menus, and tuning the radio to the selected spot.

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QMenu>

#include "cluster/ClusterSettings.h"
#include "cluster/ClusterTexts.h"
#include "cluster/HamlibSettings.h"
#include "cluster/Radio.h"
#include "cluster/YaesuCat.h"
#include "cluster/ui/Cluster.h"
#include "cluster/ui/HamlibDialog.h"
#include "cluster/ui/RadioControl.h"
#include "core/Safeguards.h"
#include "platform/Cp1252.h"
#include "platform/SerialPort.h"

namespace brivant {

namespace {

QString portName(const std::string& name) { return QString::fromStdString(name); }

}  // namespace

HamlibDialog* Cluster::hamlibDialog() const { return hamlibDialog_; }

bool Cluster::hamlibChosen() const { return transceiverIndex_ == HamlibTransceiverIndex; }

void Cluster::Emetteur_Click() {
  if (Emetteur->currentIndex() == HamlibTransceiverIndex) {
    openHamlibDialog();
    return;
  }
  chooseTransceiver(Emetteur->currentIndex());
}

void Cluster::chooseTransceiver(int index) {
  const bool wasHamlib = hamlibChosen();
  transceiverIndex_ = index;
  saveSetting(state_, Settings::Common::TransceiverModel, std::to_string(index));
  TransceiverName = Cp1252::fromQString(Emetteur->itemText(index));
  if (hamlibChosen()) {
    // The radio may sit on the Yaesu's port: only one of them holds it.
    if (port_->isOpen()) port_->close();
    radio_ = std::make_unique<HamlibTransceiver>(radioControl_->link());
    return;
  }
  radio_ = radioOfModel(TransceiverName, *port_);
  if (wasHamlib) {
    radioControl_->stop();
    loadPort();
  }
}

// The choice is kept on OK only; Annuler leaves the transceiver as it was.
void Cluster::openHamlibDialog() {
  // One choice at a time: a dialog still open is brought forward.  A closed
  // one has deleted itself, or is about to.
  if (hamlibDialog_ != nullptr && hamlibDialog_->isVisible()) {
    hamlibDialog_->raise();
    hamlibDialog_->activateWindow();
    return;
  }
  hamlibDialog_ = new HamlibDialog(state_.french(), storedHamlibChoice(state_.settings), services_.listPorts(),
                                   state_.dialogs, this);
  hamlibDialog_->setAttribute(Qt::WA_DeleteOnClose);
  hamlibDialog_->setWindowModality(Qt::WindowModal);
  connect(hamlibDialog_, &QDialog::accepted, this, [this, dialog = hamlibDialog_] {
    if (Status saved = saveHamlibChoice(state_.settings, dialog->choice()); !saved)
      state_.dialogs.message(
          settingsWriteFailure(state_.french(), saved.error(), state_.settings.fileOf(Settings::Application)));
    chooseTransceiver(HamlibTransceiverIndex);
    radioControl_->use(dialog->choice());
  });
  connect(hamlibDialog_, &QDialog::rejected, this, [this] {
    if (transceiverIndex_ >= 0) Emetteur->setCurrentIndex(transceiverIndex_);
  });
  hamlibDialog_->open();
}

void Cluster::Cluster_Liste() {
  if (radio_ == nullptr) return;
  // A QRG that is not kHz with one decimal would tune the radio anywhere.
  const std::optional<long long> tens = spotFrequencyTensOfHz(SelectedSpotLine);
  if (!tens) return;
  const QString mode = hooks_.loggingMode ? hooks_.loggingMode() : QString();
  radio_->tune(*tens * 10, Cp1252::fromQString(mode));
}

// The port menu lists "Sans" and the ports present now, read each time it
// opens; the chosen port stays listed while it is away.
void Cluster::fillPortMenu() {
  Mnu_Port_Com->clear();
  auto* group = new QActionGroup(Mnu_Port_Com);
  const QString current = NumPort->text();
  const bool none = ClusterSettings::isNoPort(Cp1252::fromQString(current));
  QAction* sans = Mnu_Port_Com->addAction(clusterCaptions(state_.french()).noPort);
  sans->setObjectName(QStringLiteral("Mnu_SansCom"));
  sans->setCheckable(true);
  sans->setChecked(none);
  group->addAction(sans);
  connect(sans, &QAction::triggered, this, &Cluster::Mnu_SansCom_Click);
  std::vector<std::string> ports = services_.listPorts();
  if (!none && std::find(ports.begin(), ports.end(), Cp1252::fromQString(current)) == ports.end())
    ports.push_back(Cp1252::fromQString(current));
  for (const std::string& name : ports) {
    const QString text = portName(name);
    QAction* item = Mnu_Port_Com->addAction(QLatin1Char('&') + text);
    item->setObjectName(QStringLiteral("Mnu_Com_") + text);
    item->setData(text);
    item->setCheckable(true);
    item->setChecked(!none && text == current);
    group->addAction(item);
    connect(item, &QAction::triggered, this, [this, text] { Mnu_Port_Click(text); });
  }
}

void Cluster::Mnu_SansCom_Click() {
  NumPort->setText(QString::fromLatin1(ClusterSettings::NoPort.data()));
  saveSetting(state_, Settings::Common::ComPort, ClusterSettings::NoPort);
  checkSpeedItem({});
  DebitPort->setText(QString::fromLatin1(ClusterSettings::NoSpeed.data()));
  saveSetting(state_, Settings::Common::Baud, ClusterSettings::NoSpeed);
  if (port_->isOpen()) port_->close();
  fillPortMenu();
}

void Cluster::Mnu_Port_Click(const QString& name) {
  const std::string previous = port_->portName();
  const bool wasOpen = port_->isOpen();
  port_->close();
  port_->setPortName(Cp1252::fromQString(name));
  if (!port_->open()) {
    state_.dialogs.message(missingPortMessage(state_.french(), name));
    // Nothing changes: the port in use before stays in use.
    port_->setPortName(previous);
    if (wasOpen) port_->open();
    fillPortMenu();
    return;
  }
  NumPort->setText(name);
  saveSetting(state_, Settings::Common::ComPort, Cp1252::fromQString(name));
  fillPortMenu();
}

void Cluster::Mnu_Speed_Click(const QString& speed) {
  const std::string settings = ClusterSettings::portSettingsOf(Cp1252::fromQString(speed));
  port_->setSettings(settings);
  checkSpeedItem(speed);
  DebitPort->setText(speed);
  saveSetting(state_, Settings::Common::Baud, settings);
}

void Cluster::checkSpeedItem(const QString& speed) {
  for (QAction* item : {Mnu_4800, Mnu_9600, Mnu_38400, Mnu_57600})
    item->setChecked(QString(item->text()).remove(QLatin1Char('&')) == speed);
}

void Cluster::loadPort() {
  const std::string& call = state_.StationCall;
  const std::string port = Settings::getText(state_.settings, Settings::Common::ComPort, call);
  const std::string baud = Settings::getText(state_.settings, Settings::Common::Baud, call);
  if (ClusterSettings::isNoPort(port)) {
    NumPort->setText(QString::fromLatin1(ClusterSettings::NoPort.data()));
    DebitPort->setText(QString::fromLatin1(ClusterSettings::NoSpeed.data()));
    checkSpeedItem({});
    fillPortMenu();
    return;
  }
  NumPort->setText(portName(port));
  port_->setPortName(port);
  // A port stored without a speed opens at the lowest the menu offers.
  if (!port_->setSettings(baud)) port_->setSettings(ClusterSettings::FallbackPortSettings);
  const QString speed = QString::fromStdString(ClusterSettings::speedOfSettings(baud));
  DebitPort->setText(speed);
  checkSpeedItem(speed);
  fillPortMenu();
  if (hamlibChosen()) return;  // the hamlib radio may be on that port
  if (!port_->open()) state_.dialogs.message(missingPortMessage(state_.french(), portName(port)));
}

}  // namespace brivant
