// Where the cluster window's spots come from: the spot server of the web
// pages, or a telnet cluster node.

#include <QAction>
#include <QLabel>

#include "cluster/ClusterSettings.h"
#include "cluster/ClusterTexts.h"
#include "cluster/ui/Cluster.h"
#include "core/Safeguards.h"
#include "platform/Cp1252.h"

namespace brivant {

namespace {

// The node's login: the station's callsign as the operator writes it.
QByteArray loginOf(const std::string& stationCall) {
  std::string call = stationCall;
  for (char& c : call)
    if (c == '_') c = '/';
  return QByteArray::fromStdString(call);
}

}  // namespace

void Cluster::Mnu_Serveur_Click() {
  const bool french = state_.french();
  const std::string current = Settings::getText(state_.settings, ClusterSettings::SpotServer, state_.StationCall);
  const std::optional<QString> typed = state_.dialogs.askText(spotServerQuestion(french), Cp1252::toQString(current));
  if (!typed) return;
  const std::optional<std::string> host = ClusterSettings::spotServerOf(Cp1252::fromQString(*typed));
  if (!host) {
    state_.dialogs.message(badSpotServerMessage(french));
    return;
  }
  saveSetting(state_, ClusterSettings::SpotServer, *host);
}

void Cluster::Mnu_Page_Web_Click() {
  Mnu_Page_Web->setChecked(true);
  saveSetting(state_, ClusterSettings::Source, "0");
  feed_->stop();
  feedState->hide();
}

void Cluster::Mnu_Telnet_Click() {
  if (Settings::getText(state_.settings, ClusterSettings::TelnetHost, state_.StationCall).empty())
    Mnu_Noeud_Telnet_Click();
  if (Settings::getText(state_.settings, ClusterSettings::TelnetHost, state_.StationCall).empty()) {
    Mnu_Page_Web->setChecked(true);  // no node: the pages stay the source
    return;
  }
  Mnu_Telnet->setChecked(true);
  saveSetting(state_, ClusterSettings::Source, "1");
  startFeed();
}

void Cluster::Mnu_Noeud_Telnet_Click() {
  const bool french = state_.french();
  const std::string& call = state_.StationCall;
  const std::string host = Settings::getText(state_.settings, ClusterSettings::TelnetHost, call);
  const int port = Settings::getInt(state_.settings, ClusterSettings::TelnetPort, call);
  const QString current =
      host.empty() ? QString() : QString::fromStdString(ClusterSettings::nodeAddressText({host, port}));
  const std::optional<QString> typed = state_.dialogs.askText(telnetNodeQuestion(french), current);
  if (!typed) return;
  const std::optional<ClusterSettings::NodeAddress> node = ClusterSettings::nodeAddressOf(Cp1252::fromQString(*typed));
  if (!node) {
    state_.dialogs.message(badTelnetNodeMessage(french));
    return;
  }
  saveSetting(state_, ClusterSettings::TelnetHost, node->host);
  saveSetting(state_, ClusterSettings::TelnetPort, std::to_string(node->port));
  if (telnetSource()) startFeed();
}

void Cluster::startFeed() {
  const std::string& call = state_.StationCall;
  const std::string host = Settings::getText(state_.settings, ClusterSettings::TelnetHost, call);
  const int port =
      Settings::getInt(state_.settings, ClusterSettings::TelnetPort, call, ClusterSettings::DefaultTelnetPort);
  telnetSpots_.clear();
  feedState->show();
  if (host.empty() || port < 1 || port > 65535) {
    showFeedState();
    return;
  }
  feed_->start(QString::fromStdString(host), static_cast<quint16>(port), loginOf(call));
}

void Cluster::showFeedState() {
  const QString node = feed_->host() + QLatin1Char(':') + QString::number(feed_->port());
  feedState->setText(feedStateText(state_.french(), feed_->state(), node, (feed_->retryDelayMs() + 999) / 1000));
}

void Cluster::telnetLine(const QByteArray& line) {
  takeSelfSpotAnswer(line);
  if (std::optional<TelnetSpot> spot = parseDxLine(line.toStdString(), state_.clock.utcNow()))
    telnetSpots_.add(std::move(*spot));
}

}  // namespace brivant
