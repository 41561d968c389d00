// "Annoncer…": the station announced on the telnet cluster node, and the
// node's answer in the state line.

#include <QLabel>
#include <QTimer>

#include "cluster/SelfSpot.h"
#include "cluster/ui/Cluster.h"
#include "cluster/ui/RadioControl.h"
#include "cluster/ui/SelfSpotDialog.h"
#include "core/SettingsKeys.h"
#include "platform/Cp1252.h"

namespace brivant {

namespace {

// What of a node's answer the state line shows.
constexpr std::size_t ShownAnswer = 120;

}  // namespace

SelfSpotDialog* Cluster::selfSpotDialog() const { return selfSpotDialog_; }

void Cluster::Mnu_Annoncer_Click() {
  if (selfSpotDialog_ != nullptr) {
    selfSpotDialog_->raise();
    selfSpotDialog_->activateWindow();
    return;
  }
  std::optional<long long> hertz;
  if (const std::optional<RigReading>& reading = radioControl_->link().lastReading()) hertz = reading->hertz;
  const std::string reference =
      Cp1252::fromUtf8(Settings::getText(state_.settings, Settings::Station::ActivityNumber, state_.StationCall));
  const std::string entryCall = hooks_.entryCallsign ? Cp1252::fromQString(hooks_.entryCallsign()) : std::string();
  selfSpotDialog_ = new SelfSpotDialog(
      state_.french(), selfSpotFields(hertz, state_.StationCall, reference, entryCall), state_.dialogs,
      [this](const std::string& line, const std::string& call) { return sendSelfSpot(line, call); }, this);
  selfSpotDialog_->setAttribute(Qt::WA_DeleteOnClose);
  selfSpotDialog_->show();
}

bool Cluster::sendSelfSpot(const std::string& line, const std::string& call) {
  if (!telnetSource() || !feed_->sendLine(QByteArray::fromStdString(line))) {
    state_.dialogs.message(selfSpotNoConnectionMessage(state_.french()));
    return false;
  }
  feedState->show();
  feedState->setText(selfSpotSentText(state_.french(), line));
  spotAnswerCall_ = call;
  spotAnswerTimer_->start(services_.spotAnswerMs);
  return true;
}

void Cluster::takeSelfSpotAnswer(const QByteArray& line) {
  if (spotAnswerCall_.empty() || !answersSelfSpot(line.toStdString(), spotAnswerCall_)) return;
  spotAnswerCall_.clear();
  spotAnswerTimer_->stop();
  feedState->setText(selfSpotAnswerText(state_.french(), line.left(ShownAnswer).toStdString()));
}

void Cluster::selfSpotUnanswered() {
  if (spotAnswerCall_.empty()) return;
  spotAnswerCall_.clear();
  feedState->setText(selfSpotNoAnswerText(state_.french()));
}

}  // namespace brivant
