#pragma once
// The cluster window's own settings (section "Setup "), beside the band,
// transceiver, port and speed keys of core/SettingsKeys.h, and the checks of
// what the operator types for them.

#include <optional>
#include <string>
#include <string_view>

#include "core/SettingsKeys.h"

namespace brivant::ClusterSettings {

// The host (and ":port" when not 80) of the web server of spot pages.
inline constexpr Settings::Key SpotServer{Settings::Section::Common, "Serveur Cluster", ""};
// Where the spots come from: "0" the spot pages, "1" a telnet cluster node.
inline constexpr Settings::Key Source{Settings::Section::Common, "Source Cluster", "0"};
inline constexpr Settings::Key TelnetHost{Settings::Section::Common, "Hote Telnet", ""};
inline constexpr Settings::Key TelnetPort{Settings::Section::Common, "Port Telnet", "7300"};
inline constexpr int DefaultTelnetPort = 7300;

// "Port Com" and "Baud" when no port or no speed is chosen.
inline constexpr std::string_view NoPort = "0";
inline constexpr std::string_view NoSpeed = "0";
// The settings string of a speed, and the speeds the "Baud" menu offers.
std::string portSettingsOf(std::string_view speed);
inline constexpr std::string_view PortSettingsSuffix = ",n,8,1";
inline constexpr std::string_view OfferedSpeeds[] = {"4800", "9600", "38400", "57600"};
// The settings string used to open a port stored without a speed.
inline constexpr std::string_view FallbackPortSettings = "4800,n,8,1";

// A stored "Port Com" that names no port: "0", empty, "Sans".
bool isNoPort(std::string_view stored);
// DebitPort of a stored "Baud": the settings string without its ",n,8,1"
// (the speed digits), "0" for "0".
std::string speedOfSettings(std::string_view stored);

// A typed spot server: blanks around, a leading "http://" and a trailing "/"
// are dropped; empty is allowed (no server).  Nothing for a text with a blank
// or a "/" left inside.
std::optional<std::string> spotServerOf(std::string_view typed);

struct NodeAddress {
  std::string host;
  int port = DefaultTelnetPort;
  bool operator==(const NodeAddress&) const = default;
};
// A typed address "host" or "host:port" (port 1 to 65535; defaultPort when
// none is typed): a telnet node, the cwdaemon keyer.
std::optional<NodeAddress> nodeAddressOf(std::string_view typed, int defaultPort = DefaultTelnetPort);
// "host:port", as the question shows it.
std::string nodeAddressText(const NodeAddress& node);

// A stored list index read back: the index when inside a list of count
// entries, else the fallback.
int indexInList(int stored, int count, int fallback);

}  // namespace brivant::ClusterSettings
