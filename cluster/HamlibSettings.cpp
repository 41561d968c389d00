#include "cluster/HamlibSettings.h"

#include <QStringList>

#include "core/Language.h"
#include "core/Text.h"

namespace brivant {

namespace {

constexpr int HighestTcpPort = 65535;

int numberOr(std::string_view text, int fallback) {
  const std::string_view digits = trimBlanks(text);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos || digits.size() > 9)
    return fallback;
  return std::stoi(std::string(digits));
}

}  // namespace

QString hamlibTransceiverText(bool french) { return pick(french, "Autre (hamlib)…", "Other (hamlib)…"); }

HamlibChoice storedHamlibChoice(const SettingsStore& store) {
  using namespace HamlibSettings;
  const auto text = [&store](const Settings::Key& key) { return Settings::getText(store, key, {}); };
  HamlibChoice choice;
  choice.rigctld = text(Link) == RigctldLink;
  choice.model = numberOr(text(Model), 0);
  choice.port = text(Port);
  choice.baud = numberOr(text(Speed), 0);
  choice.host = text(Host);
  choice.tcpPort = numberOr(text(TcpPort), 0);
  return choice;
}

Status saveHamlibChoice(SettingsStore& store, const HamlibChoice& choice) {
  using namespace HamlibSettings;
  const std::pair<const Settings::Key&, std::string> values[] = {
      {Link, std::string(choice.rigctld ? RigctldLink : SerialLink)},
      {Model, std::to_string(choice.model)},
      {Port, choice.port},
      {Speed, std::to_string(choice.baud)},
      {Host, choice.host},
      {TcpPort, std::to_string(choice.tcpPort)},
  };
  for (const auto& [key, value] : values)
    if (Status saved = Settings::save(store, key, {}, value); !saved) return saved;
  return {};
}

QString hamlibChoiceProblem(const HamlibChoice& choice, bool french) {
  if (choice.rigctld) {
    if (choice.host.empty() || choice.host.find_first_of(" \t/") != std::string::npos)
      return pick(french, "Indiquez l'hôte de rigctld (par exemple localhost)",
                  "Give the host of rigctld (for example localhost)");
    if (choice.tcpPort < 1 || choice.tcpPort > HighestTcpPort)
      return pick(french, "Le port de rigctld va de 1 à 65535", "The port of rigctld goes from 1 to 65535");
    return {};
  }
  const HamlibModel* model = hamlibModelOf(choice.model);
  if (model == nullptr) return pick(french, "Choisissez le modèle de la radio", "Choose the model of the radio");
  if (model->needsPort && trimBlanks(choice.port).empty())
    return pick(french, "Choisissez le port série", "Choose the serial port");
  return {};
}

std::optional<HamlibLink> hamlibLinkOf(const HamlibChoice& choice) {
  if (!hamlibChoiceProblem(choice, true).isEmpty()) return std::nullopt;
  if (choice.rigctld) return HamlibLink{HamlibNetworkModel, choice.host + ":" + std::to_string(choice.tcpPort), 0};
  return HamlibLink{choice.model, std::string(trimBlanks(choice.port)), choice.baud};
}

QString hamlibModelLabel(const HamlibModel& model) {
  return QString::fromStdString(model.maker + " " + model.name + " (" + std::to_string(model.id) + ")");
}

bool hamlibModelMatches(const HamlibModel& model, const QString& search) {
  const QString label = hamlibModelLabel(model);
  const QStringList words = search.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (const QString& word : words)
    if (!label.contains(word, Qt::CaseInsensitive)) return false;
  return true;
}

}  // namespace brivant
