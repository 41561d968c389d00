#include "cluster/CwMessages.h"

#include <QStringList>
#include <algorithm>
#include <utility>

#include "core/Language.h"
#include "core/Text.h"
#include "platform/Cp1252.h"

namespace brivant {

namespace {

// The defaults, English then French where they differ.
struct DefaultMessage {
  const char* english;
  const char* french;
};
constexpr DefaultMessage DefaultMessages[CwSettings::MessageCount] = {
    {"CQ JNC {MYCALL} {MYCALL} TEST", "CQ JNC {MYCALL} {MYCALL} TEST"},
    {"{CALL} 5NN {MYREF}", "{CALL} 5NN {MYREF}"},
    {"TU {MYCALL}", "MCI {MYCALL}"},
    {"{MYCALL}", "{MYCALL}"},
    {"{CALL}", "{CALL}"},
    {"?", "?"},
    {"AGN", "AGN"},
    {"QRZ?", "QRZ?"},
};

// The Morse code of the characters a keyer sends: "." a dot, "-" a dash.
// cwdaemon's own signs: "*" AR, "<" SK, ">" BK.
struct MorseCode {
  char character;
  const char* code;
};
constexpr MorseCode MorseCodes[] = {
    {'A', ".-"},      {'B', "-..."},   {'C', "-.-."},   {'D', "-.."},     {'E', "."},      {'F', "..-."},
    {'G', "--."},     {'H', "...."},   {'I', ".."},     {'J', ".---"},    {'K', "-.-"},    {'L', ".-.."},
    {'M', "--"},      {'N', "-."},     {'O', "---"},    {'P', ".--."},    {'Q', "--.-"},   {'R', ".-."},
    {'S', "..."},     {'T', "-"},      {'U', "..-"},    {'V', "...-"},    {'W', ".--"},    {'X', "-..-"},
    {'Y', "-.--"},    {'Z', "--.."},   {'0', "-----"},  {'1', ".----"},   {'2', "..---"},  {'3', "...--"},
    {'4', "....-"},   {'5', "....."},  {'6', "-...."},  {'7', "--..."},   {'8', "---.."},  {'9', "----."},
    {'.', ".-.-.-"},  {',', "--..--"}, {'?', "..--.."}, {'/', "-..-."},   {'=', "-...-"},  {'+', ".-.-."},
    {'-', "-....-"},  {'(', "-.--."},  {')', "-.--.-"}, {'\'', ".----."}, {'"', ".-..-."}, {':', "---..."},
    {';', "-.-.-."},  {'@', ".--.-."}, {'!', "...-."},  {'&', ".-..."},   {'*', ".-.-."},  {'<', "...-.-"},
    {'>', "-...-.-"},
};

const char* morseCodeOf(char character) {
  for (const MorseCode& entry : MorseCodes)
    if (entry.character == character) return entry.code;
  return nullptr;
}

// The value of a macro by its name (any case), or nullptr.
const std::string* macroValue(std::string_view name, const CwMacroValues& values) {
  const std::string upper = Cp1252::upperAscii(name);
  const std::pair<std::string_view, const std::string*> macros[] = {
      {"MYCALL", &values.myCall}, {"CALL", &values.call}, {"MYREF", &values.myRef},
      {"MYDPT", &values.myDpt},   {"NAME", &values.name},
  };
  for (const auto& [macro, value] : macros)
    if (upper == macro) return value;
  return nullptr;
}

}  // namespace

KeyerKind keyerKindOf(int stored) {
  switch (stored) {
    case 1:
      return KeyerKind::Cwdaemon;
    case 2:
      return KeyerKind::Radio;
    default:
      return KeyerKind::None;
  }
}

int boundedWpm(int wpm) { return std::clamp(wpm, SlowestWpm, FastestWpm); }

std::string defaultCwMessage(int key, bool french) {
  if (key < 1 || key > CwSettings::MessageCount) return {};
  const DefaultMessage& message = DefaultMessages[key - 1];
  return french ? message.french : message.english;
}

std::array<std::string, CwSettings::MessageCount> storedCwMessages(const SettingsStore& store,
                                                                   std::string_view stationCall, bool french) {
  std::array<std::string, CwSettings::MessageCount> messages;
  for (int key = 1; key <= CwSettings::MessageCount; ++key)
    messages[key - 1] = Cp1252::fromUtf8(
        Settings::getText(store, CwSettings::Messages[key - 1], stationCall, defaultCwMessage(key, french)));
  return messages;
}

CwMacroValues stationMacroValues(const SettingsStore& store, std::string_view stationCall) {
  CwMacroValues values;
  values.myCall = std::string(stationCall);
  std::replace(values.myCall.begin(), values.myCall.end(), '_', '/');
  values.myRef = std::string(
      trimBlanks(Cp1252::fromUtf8(Settings::getText(store, Settings::Station::ActivityNumber, stationCall))));
  values.myDpt =
      std::string(trimBlanks(Cp1252::fromUtf8(Settings::getText(store, CwSettings::StationDepartement, stationCall))));
  values.cutNumbers = Settings::getBool(store, CwSettings::CutNumbers, stationCall);
  return values;
}

std::string cutNumbers(std::string_view report) {
  std::string cut(report);
  for (char& c : cut) {
    if (c == '9')
      c = 'N';
    else if (c == '0')
      c = 'T';
  }
  return cut;
}

CwText expandCwMessage(std::string_view message, const CwMacroValues& values) {
  CwText result;
  std::string expanded;
  std::size_t at = 0;
  while (at < message.size()) {
    const std::size_t open = message.find('{', at);
    const std::size_t close = open == std::string_view::npos ? open : message.find('}', open);
    if (close == std::string_view::npos) {
      expanded.append(message.substr(at));
      break;
    }
    expanded.append(message.substr(at, open - at));
    const std::string_view macro = message.substr(open, close - open + 1);
    const std::string_view name = macro.substr(1, macro.size() - 2);
    if (Cp1252::upperAscii(name) == "RST") {
      expanded += values.cutNumbers ? cutNumbers(values.rst) : values.rst;
    } else if (const std::string* value = macroValue(name, values)) {
      expanded += *value;
    } else {
      expanded.append(macro);
      result.unknown.emplace_back(macro);
    }
    at = close + 1;
  }

  // Capitals in printable ASCII, one blank between words.
  const std::string plain = Cp1252::upperAscii(Cp1252::toPlainAscii(expanded));
  for (const char c : plain) {
    if (c == ' ' && (result.text.empty() || result.text.back() == ' ')) continue;
    result.text += c;
  }
  while (!result.text.empty() && result.text.back() == ' ') result.text.pop_back();
  if (result.text.size() > MaxSentLength) {
    result.text.resize(MaxSentLength);
    result.cut = true;
  }
  return result;
}

int morseDurationMs(std::string_view text, int wpm) {
  long long units = 0;
  bool afterCharacter = false;
  bool afterBlank = false;
  for (const char c : text) {
    if (c == ' ') {
      afterBlank = afterCharacter;
      continue;
    }
    const char* code = morseCodeOf(Cp1252::upperAscii(c));
    if (code == nullptr) continue;
    if (afterCharacter) units += afterBlank ? 7 : 3;
    afterBlank = false;
    const std::string_view elements(code);
    for (const char element : elements) units += element == '-' ? 3 : 1;
    units += static_cast<long long>(elements.size()) - 1;
    afterCharacter = true;
  }
  return static_cast<int>(units * 1200 / boundedWpm(wpm));
}

std::optional<QChar> firstNonAscii(const QString& message) {
  for (const QChar c : message)
    if (c.unicode() < 0x20 || c.unicode() > 0x7E) return c;
  return std::nullopt;
}

QString noKeyerNotice(bool french) {
  return pick(french, "Aucun manipulateur : choisissez-en un dans Options → Manipulateur",
              "No keyer: choose one in Options → Keyer");
}

QString emptyMessageNotice(bool french, int key) {
  return pick(french, "Le message F%1 est vide", "The F%1 message is empty").arg(key);
}

QString unknownMacroNotice(bool french, const std::vector<std::string>& macros) {
  QStringList names;
  for (const std::string& macro : macros) names.push_back(Cp1252::toQString(macro));
  return pick(french, "Macro inconnue, envoyée telle quelle : ", "Unknown macro, sent as written: ") +
         names.join(QStringLiteral(" "));
}

QString cutMessageNotice(bool french) {
  return pick(french, "Message trop long : coupé à 250 caractères", "Message too long: cut at 250 characters");
}

QString speedText(int wpm) { return QString::number(wpm) + QStringLiteral(" wpm"); }

QString cwdaemonSilentNotice(bool french, const QString& address) {
  return pick(french, "cwdaemon ne répond pas sur ", "cwdaemon does not answer on ") + address;
}

QString cwdaemonAddressQuestion(bool french) {
  return pick(french, "Adresse de cwdaemon (hôte:port, par exemple localhost:6789) :",
              "Address of cwdaemon (host:port, for example localhost:6789):");
}

QString badCwdaemonAddressMessage(bool french) {
  return pick(french, "Adresse invalide : tapez un nom d'hôte, éventuellement suivi de :port (1 à 65535).",
              "Invalid address: type a host name, optionally followed by :port (1 to 65535).");
}

QString noHamlibRadioNotice(bool french) {
  return pick(french, "Aucune radio hamlib : choisissez-la dans Cluster → Transceiver → Autre (hamlib)…",
              "No hamlib radio: choose it in Cluster → Transceiver → Other (hamlib)…");
}

QString silentRadioNotice(bool french) {
  return pick(french, "La radio ne répond pas : message non envoyé", "The radio does not answer: message not sent");
}

QString radioHasNoKeyerNotice(bool french) {
  return pick(french, "hamlib ne sait pas faire manipuler cette radio : choisissez cwdaemon",
              "hamlib cannot key this radio: choose cwdaemon");
}

QString radioCannotStopNotice(bool french) {
  return pick(french, "hamlib ne sait pas arrêter le message de cette radio : il continue",
              "hamlib cannot stop this radio's message: it goes on");
}

QString radioKeyerFailedNotice(bool french) {
  return pick(french, "La radio a refusé le message", "The radio refused the message");
}

QString nonAsciiMessage(bool french, const QString& where, QChar character) {
  return where + pick(french, " : le caractère « ", ": the character \"") + character +
         pick(french, " » ne peut pas être envoyé en CW (lettres sans accent, chiffres et ponctuation seulement).",
              "\" cannot be sent in CW (letters without accents, digits and punctuation only).");
}

}  // namespace brivant
