#include "platform/SerialPort.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <algorithm>
#include <charconv>

namespace brivant {

namespace {

std::optional<int> numberOf(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

QSerialPort::Parity parityOf(char parity) {
  switch (parity) {
    case 'e':
      return QSerialPort::EvenParity;
    case 'o':
      return QSerialPort::OddParity;
    case 'm':
      return QSerialPort::MarkParity;
    case 's':
      return QSerialPort::SpaceParity;
    default:
      return QSerialPort::NoParity;
  }
}

}  // namespace

std::optional<SerialSettings> parseSerialSettings(std::string_view text) {
  std::vector<std::string_view> parts;
  while (true) {
    const std::size_t comma = text.find(',');
    parts.push_back(text.substr(0, comma));
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  if (parts.size() != 4 || parts[1].size() != 1) return std::nullopt;
  SerialSettings settings;
  const std::optional<int> baud = numberOf(parts[0]);
  const std::optional<int> dataBits = numberOf(parts[2]);
  const std::optional<int> stopBits = numberOf(parts[3]);
  const char parity = static_cast<char>(parts[1][0] | 0x20);  // either case
  if (!baud || *baud <= 0 || !dataBits || *dataBits < 5 || *dataBits > 8 || !stopBits ||
      (*stopBits != 1 && *stopBits != 2) || std::string_view("neoms").find(parity) == std::string_view::npos)
    return std::nullopt;
  settings.baud = *baud;
  settings.parity = parity;
  settings.dataBits = *dataBits;
  settings.stopBits = *stopBits;
  return settings;
}

SerialPort::SerialPort() : port_(std::make_unique<QSerialPort>()) {}

SerialPort::~SerialPort() { close(); }

std::vector<std::string> SerialPort::presentPorts() {
  std::vector<std::string> names;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) names.push_back(info.portName().toStdString());
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

void SerialPort::setPortName(const std::string& name) { name_ = name; }

bool SerialPort::setSettings(std::string_view settings) {
  const std::optional<SerialSettings> parsed = parseSerialSettings(settings);
  if (!parsed) return false;
  settings_ = *parsed;
  if (isOpen()) applySettings();
  return true;
}

bool SerialPort::applySettings() {
  return port_->setBaudRate(settings_.baud) && port_->setParity(parityOf(settings_.parity)) &&
         port_->setDataBits(static_cast<QSerialPort::DataBits>(settings_.dataBits)) &&
         port_->setStopBits(settings_.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
         port_->setFlowControl(QSerialPort::NoFlowControl);
}

bool SerialPort::open() {
  close();
  if (name_.empty()) return false;
  port_->setPortName(QString::fromStdString(name_));
  if (!port_->open(QIODevice::ReadWrite)) return false;
  if (!applySettings()) {
    port_->close();
    return false;
  }
  return true;
}

void SerialPort::close() {
  if (port_->isOpen()) port_->close();
}

bool SerialPort::isOpen() const { return port_->isOpen(); }

void SerialPort::discardInput() {
  if (!isOpen()) return;
  port_->readAll();
  port_->clear(QSerialPort::Input);
}

bool SerialPort::writeBlock(std::string_view bytes, int timeoutMs) {
  if (!isOpen()) return false;
  const auto size = static_cast<qint64>(bytes.size());
  if (port_->write(bytes.data(), size) != size) return false;
  QElapsedTimer waited;
  waited.start();
  while (port_->bytesToWrite() > 0) {
    const qint64 left = timeoutMs - waited.elapsed();
    if (left <= 0) return false;
    if (!port_->waitForBytesWritten(static_cast<int>(left))) return port_->bytesToWrite() == 0;
  }
  return true;
}

}  // namespace brivant
