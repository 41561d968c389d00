#include "cluster/ClusterSettings.h"

#include <charconv>

#include "core/Text.h"

namespace brivant::ClusterSettings {

std::string portSettingsOf(std::string_view speed) { return std::string(speed) + std::string(PortSettingsSuffix); }

bool isNoPort(std::string_view stored) {
  const std::string_view name = trimBlanks(stored);
  return name.empty() || name == NoPort || name == "Sans";
}

std::string speedOfSettings(std::string_view stored) { return std::string(stored.substr(0, stored.find(','))); }

std::optional<std::string> spotServerOf(std::string_view typed) {
  std::string_view host = trimBlanks(typed);
  if (host.starts_with("http://")) host.remove_prefix(7);
  while (host.ends_with('/')) host.remove_suffix(1);
  if (host.find_first_of(" /\t") != std::string_view::npos) return std::nullopt;
  return std::string(host);
}

std::optional<NodeAddress> nodeAddressOf(std::string_view typed, int defaultPort) {
  const std::string_view text = trimBlanks(typed);
  const std::size_t colon = text.rfind(':');
  NodeAddress node;
  node.port = defaultPort;
  node.host = std::string(text.substr(0, colon));
  if (colon != std::string_view::npos) {
    const std::string_view digits = text.substr(colon + 1);
    int port = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || port < 1 || port > 65535)
      return std::nullopt;
    node.port = port;
  }
  if (node.host.empty() || node.host.find_first_of(" /\t:") != std::string::npos) return std::nullopt;
  return node;
}

std::string nodeAddressText(const NodeAddress& node) { return node.host + ":" + std::to_string(node.port); }

int indexInList(int stored, int count, int fallback) { return stored >= 0 && stored < count ? stored : fallback; }

}  // namespace brivant::ClusterSettings
