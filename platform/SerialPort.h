#pragma once
// A serial port for a radio's computer control: named by its system name
// (ttyUSB0) or path, set from a settings string ("4800,n,8,1"), opened,
// closed, written to block by block.  Nothing is ever read back.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QSerialPort;

namespace brivant {

// Speed, parity, data bits and stop bits as the settings string gives them.
struct SerialSettings {
  int baud = 0;
  char parity = 'n';  // n, e, o, m or s
  int dataBits = 8;   // 5 to 8
  int stopBits = 1;   // 1 or 2
};

// The settings of a string "speed,parity,data,stop"; nothing when it is not one.
std::optional<SerialSettings> parseSerialSettings(std::string_view text);

class SerialPort {
 public:
  SerialPort();
  ~SerialPort();
  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;

  // The serial ports present on the machine, by system name, sorted.
  static std::vector<std::string> presentPorts();

  // Takes effect at the next opening.
  void setPortName(const std::string& name);
  const std::string& portName() const { return name_; }
  // Applies at once to an open port, else at the next opening; false (and
  // nothing changed) for a string that is not a settings string.
  bool setSettings(std::string_view settings);

  // False when the port does not exist, is busy or refuses the settings.
  bool open();
  void close();
  bool isOpen() const;
  // Drops whatever the radio may have sent.
  void discardInput();
  // Writes the bytes and waits (at most timeoutMs) until they have all been
  // handed to the system; false when the port is closed or the write failed.
  bool writeBlock(std::string_view bytes, int timeoutMs = 2'000);

 private:
  bool applySettings();

  std::unique_ptr<QSerialPort> port_;
  std::string name_;
  SerialSettings settings_{4800, 'n', 8, 1};
};

}  // namespace brivant
