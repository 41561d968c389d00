#pragma once
// The transceiver the cluster window tunes to the selected spot, whatever
// link drives it: the Yaesu models driven by CAT blocks on a serial port, and
// any radio hamlib knows.

#include <memory>
#include <string_view>

#include "cluster/YaesuCat.h"

namespace brivant {

class RadioLink;
class SerialPort;

class Radio {
 public:
  virtual ~Radio() = default;
  // Tunes to a frequency in hertz for the mode being logged ("SSB", "CW");
  // false when nothing reached the radio.
  virtual bool tune(long long hertz, std::string_view mode) = 0;
};

// A Yaesu on a serial port: each block is written once the previous one has
// left, after dropping whatever the radio sent; with the port closed nothing
// is written and nothing said.  The port belongs to the caller.
class YaesuRadio final : public Radio {
 public:
  YaesuRadio(SerialPort& port, YaesuModel model) : port_(port), model_(model) {}
  bool tune(long long hertz, std::string_view mode) override;
  YaesuModel model() const { return model_; }

 private:
  SerialPort& port_;
  YaesuModel model_;
};

// A radio through hamlib: the frequency and the radio's mode for the mode
// being logged (rigModeOf), sent away from the caller; false when the radio
// is not answering.  The link belongs to the caller.
class HamlibTransceiver final : public Radio {
 public:
  explicit HamlibTransceiver(RadioLink& link) : link_(link) {}
  bool tune(long long hertz, std::string_view mode) override;

 private:
  RadioLink& link_;
};

// The radio of a model name of Emetteur on the port; nothing for a name no
// radio answers to.
std::unique_ptr<Radio> radioOfModel(std::string_view modelName, SerialPort& port);

}  // namespace brivant
