#pragma once
// A pseudo-terminal pair for serial tests: the program under test opens the
// slave as its serial port, the test reads what was written from the master.

#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <poll.h>

#include <string>

namespace brivant::testing {

class PseudoTerminal {
 public:
  PseudoTerminal() {
    char name[256] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) return;
    slaveName_ = name;
    termios raw{};
    tcgetattr(slave_, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave_, TCSANOW, &raw);
  }
  ~PseudoTerminal() {
    if (master_ >= 0) close(master_);
    if (slave_ >= 0) close(slave_);
  }
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  bool ok() const { return master_ >= 0 && !slaveName_.empty(); }
  // The slave's path, "/dev/pts/N": what the serial port opens.
  const std::string& slaveName() const { return slaveName_; }
  // The slave's own descriptor, kept open so that nothing written is lost
  // while the program under test opens and closes the port.
  int slave() const { return slave_; }

  // Every byte written so far, waiting at most quietMs after the last one.
  std::string readAll(int quietMs = 200) const {
    std::string bytes;
    pollfd wanted{master_, POLLIN, 0};
    while (poll(&wanted, 1, quietMs) > 0 && (wanted.revents & POLLIN) != 0) {
      char buffer[512];
      const ssize_t n = read(master_, buffer, sizeof buffer);
      if (n <= 0) break;
      bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
  }

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string slaveName_;
};

// Bytes as "01 40 25 00 01" for readable failures.
inline std::string hexBytes(const std::string& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (!text.empty()) text += ' ';
    text += digits[byte >> 4];
    text += digits[byte & 15];
  }
  return text;
}

}  // namespace brivant::testing
