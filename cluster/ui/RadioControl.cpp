#include "cluster/ui/RadioControl.h"

#include <QLabel>

namespace brivant {

RadioControl::RadioControl(AppState& state, QWidget* parent, Hooks hooks, RadioLink::Timing timing)
    : QObject(parent),
      state_(state),
      hooks_(std::move(hooks)),
      link_(new RadioLink(this, timing)),
      readout_(new QLabel(parent)) {
  setObjectName(QStringLiteral("RadioControl"));
  readout_->setObjectName(QStringLiteral("radioReadout"));
  readout_->setContentsMargins(8, 0, 8, 0);
  readout_->hide();
  connect(link_, &RadioLink::readingReceived, this, &RadioControl::showReading);
  connect(link_, &RadioLink::stateChanged, this, &RadioControl::showState);
}

void RadioControl::restore() {
  if (Settings::getInt(state_.settings, Settings::Common::TransceiverModel, state_.StationCall) !=
      HamlibTransceiverIndex)
    return;
  (void)use(storedHamlibChoice(state_.settings));
}

bool RadioControl::use(const HamlibChoice& choice) {
  const std::optional<HamlibLink> link = hamlibLinkOf(choice);
  if (!link) {
    stop();
    return false;
  }
  followed_.reset();
  link_->start(*link);
  return true;
}

void RadioControl::stop() {
  link_->stop();
  followed_.reset();
}

void RadioControl::showReading(const RigReading& reading) {
  readout_->setText(readbackText(state_.french(), reading));
  readout_->setStyleSheet({});
  readout_->show();
  const std::optional<EntryFollow> follow = entryFollowOf(reading);
  if (!follow || follow == followed_ || !hooks_.followRadio) return;
  if (hooks_.followRadio(follow->band, follow->mode)) followed_ = follow;
}

void RadioControl::showState(RadioLink::State state) {
  switch (state) {
    case RadioLink::State::Off:
      readout_->hide();
      break;
    case RadioLink::State::Silent:
      readout_->setText(silentRadioText(state_.french()));
      readout_->setStyleSheet(QStringLiteral("color: #b00000"));
      readout_->show();
      // Back from the silence, the radio's band is taken again.
      followed_.reset();
      break;
    case RadioLink::State::Connecting:
    case RadioLink::State::Answering:
      break;
  }
}

}  // namespace brivant
