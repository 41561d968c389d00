#pragma once
// The radio chosen as "Autre (hamlib)…" in Emetteur: its model and serial
// port and speed, or the host and port of a running rigctld; kept in section
// "Setup " beside the Yaesu radios' "Port Com" and "Baud", which it leaves as
// they are.

#include <QString>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/SettingsKeys.h"
#include "platform/HamlibRig.h"

namespace brivant {

namespace HamlibSettings {
inline constexpr Settings::Key Model{Settings::Section::Common, "Hamlib Modele", "0"};
// "Serie" for a radio on a serial port, "rigctld" for one behind a rigctld.
inline constexpr Settings::Key Link{Settings::Section::Common, "Hamlib Liaison", "Serie"};
inline constexpr Settings::Key Port{Settings::Section::Common, "Hamlib Port", ""};
inline constexpr Settings::Key Speed{Settings::Section::Common, "Hamlib Vitesse", "0"};
inline constexpr Settings::Key Host{Settings::Section::Common, "Hamlib Hote", "localhost"};
inline constexpr Settings::Key TcpPort{Settings::Section::Common, "Hamlib Port Reseau", "4532"};
inline constexpr std::string_view SerialLink = "Serie";
inline constexpr std::string_view RigctldLink = "rigctld";
}  // namespace HamlibSettings

// Emetteur lists the hamlib entry after the four Yaesu radios; "Transceiver"
// then holds its index.
inline constexpr int HamlibTransceiverIndex = 4;
QString hamlibTransceiverText(bool french);

// The speeds the dialog offers; 0 stands for the model's own.
inline constexpr std::array<int, 9> HamlibSpeeds{0, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

struct HamlibChoice {
  bool rigctld = false;
  int model = 0;     // with a serial port
  std::string port;  // system name or path
  int baud = 0;
  std::string host{"localhost"};  // with rigctld
  int tcpPort = DefaultRigctldPort;
  bool operator==(const HamlibChoice&) const = default;
};

HamlibChoice storedHamlibChoice(const SettingsStore& store);
// Stops at the first value that could not be written.
Status saveHamlibChoice(SettingsStore& store, const HamlibChoice& choice);

// What is missing for the radio to be reached (no model, no port, a host
// with blanks, a network port outside 1 to 65535), in the interface
// language; empty when nothing is.
QString hamlibChoiceProblem(const HamlibChoice& choice, bool french);
// The link of a choice without problem.
std::optional<HamlibLink> hamlibLinkOf(const HamlibChoice& choice);

// A model as the dialog lists it: "Yaesu FT-847 (1001)".
QString hamlibModelLabel(const HamlibModel& model);
// Whether every word of the search is in the maker or the name, in any case.
bool hamlibModelMatches(const HamlibModel& model, const QString& search);

}  // namespace brivant
