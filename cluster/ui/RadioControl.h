#pragma once
// The radio chosen through hamlib, for the whole run: linked at start-up when
// it is the stored transceiver, read every second away from the windows,
// shown in the main window ("14 025,00 kHz CW", "radio muette"), and the
// band and mode it is on handed to the entry.

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>
#include <string>

#include "cluster/HamlibSettings.h"
#include "cluster/RadioReadback.h"
#include "core/AppState.h"
#include "platform/RadioLink.h"

namespace brivant {

class RadioControl final : public QObject {
  Q_OBJECT

 public:
  struct Hooks {
    // The entry takes the radio's band and mode (mode empty: the band only)
    // when it waits for a new contact; whether it did.  Asked again at each
    // reading until it does, then only when the radio changes band or mode.
    std::function<bool(const std::string& band, const std::string& mode)> followRadio;
  };

  // The readout is a hidden child of parent until a window places it.
  RadioControl(AppState& state, QWidget* parent, Hooks hooks = {}, RadioLink::Timing timing = {});

  // Links the stored hamlib radio when "Transceiver" names it.
  void restore();
  // Links the radio of a choice; false (and the radio let go) when the
  // choice is incomplete.
  bool use(const HamlibChoice& choice);
  // Lets the radio go; the readout hides.
  void stop();

  RadioLink& link() { return *link_; }
  // The readout the main window shows; hidden while no hamlib radio is used.
  QLabel* readout() const { return readout_; }

 private:
  void showReading(const RigReading& reading);
  void showState(RadioLink::State state);

  AppState& state_;
  Hooks hooks_;
  RadioLink* link_;
  QPointer<QLabel> readout_;
  std::optional<EntryFollow> followed_;
};

}  // namespace brivant
