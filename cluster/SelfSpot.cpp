#include "cluster/SelfSpot.h"

#include <algorithm>
#include <charconv>

#include "core/Language.h"
#include "core/Text.h"
#include "platform/Cp1252.h"
#include "platform/HamlibRig.h"

namespace brivant {

namespace {

bool isCallCharacter(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/'; }

std::optional<double> khzOf(std::string_view typed) {
  std::string number;
  for (const char c : typed) {
    if (c == ' ') continue;
    number += c == ',' ? '.' : c;
  }
  if (number.empty() || number.front() == '.' || number.back() == '.') return std::nullopt;
  double khz = 0;
  const auto [end, error] =
      std::from_chars(number.data(), number.data() + number.size(), khz, std::chars_format::fixed);
  if (error != std::errc() || end != number.data() + number.size()) return std::nullopt;
  if (!(khz > 0) || khz > HighestRigHertz / 1000) return std::nullopt;
  return khz;
}

// The words of a line, blanks apart.
std::vector<std::string_view> wordsOf(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t start = text.find_first_not_of(' ', at);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(text.find(' ', start), text.size());
    words.push_back(text.substr(start, end - start));
    at = end;
  }
  return words;
}

}  // namespace

std::string khzText(double khz) {
  char text[32];
  const auto result = std::to_chars(std::begin(text), std::end(text), khz, std::chars_format::fixed, 1);
  return {text, result.ptr};
}

SelfSpotFields selfSpotFields(std::optional<long long> radioHertz, std::string_view stationCall,
                              std::string_view castleReference, std::string_view entryCall) {
  SelfSpotFields fields;
  if (radioHertz) fields.khz = khzText(static_cast<double>(*radioHertz) / 1000);
  const std::string reference(trimBlanks(castleReference));
  if (!reference.empty()) {
    fields.call = std::string(stationCall);
    std::replace(fields.call.begin(), fields.call.end(), '_', '/');
    fields.comment = reference + " JNC";
  } else {
    fields.call = Cp1252::upperAscii(trimBlanks(entryCall));
    fields.comment = "JNC";
  }
  return fields;
}

SelfSpotCommand selfSpotCommand(std::string_view typedKhz, std::string_view typedCall, std::string_view typedComment) {
  SelfSpotCommand command;
  const std::optional<double> khz = khzOf(typedKhz);
  if (!khz) {
    command.problem = SelfSpotProblem::Frequency;
    return command;
  }
  std::string call = Cp1252::upperAscii(trimBlanks(typedCall));
  std::replace(call.begin(), call.end(), '_', '/');
  if (call.empty() || call.size() > SpotCallLength || !std::all_of(call.begin(), call.end(), isCallCharacter)) {
    command.problem = SelfSpotProblem::Callsign;
    return command;
  }
  const std::string_view comment = trimBlanks(typedComment);
  if (!std::all_of(comment.begin(), comment.end(), [](char c) { return c >= 0x20 && c <= 0x7E; })) {
    command.problem = SelfSpotProblem::CommentNotAscii;
    return command;
  }
  if (comment.size() > SpotCommentLength) {
    command.problem = SelfSpotProblem::CommentTooLong;
    return command;
  }
  command.call = call;
  command.line = "DX " + khzText(*khz) + " " + call;
  if (!comment.empty()) command.line += " " + std::string(comment);
  return command;
}

bool answersSelfSpot(std::string_view line, std::string_view call) {
  const std::string upper = Cp1252::upperAscii(trimBlanks(line));
  const std::string_view text(upper);
  if (text.empty() || text.back() == '>') return false;  // nothing, or the prompt
  for (std::string_view broadcast : {"WWV DE ", "WCY DE ", "TO ALL ", "TO LOCAL "})
    if (text.starts_with(broadcast)) return false;
  if (!text.starts_with("DX DE ")) return true;
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return false;
  const std::vector<std::string_view> words = wordsOf(text.substr(colon + 1));
  return words.size() >= 2 && words[1] == Cp1252::upperAscii(call);
}

QString selfSpotProblemMessage(bool french, SelfSpotProblem problem) {
  switch (problem) {
    case SelfSpotProblem::Frequency:
      return pick(french, "Fréquence invalide : tapez-la en kHz, par exemple 14025.0",
                  "Invalid frequency: type it in kHz, for example 14025.0");
    case SelfSpotProblem::Callsign:
      return pick(french, "Indicatif invalide : lettres, chiffres et / seulement, 12 caractères au plus",
                  "Invalid callsign: letters, digits and / only, 12 characters at most");
    case SelfSpotProblem::CommentTooLong:
      return pick(french, "Commentaire trop long : 30 caractères au plus", "Comment too long: 30 characters at most");
    case SelfSpotProblem::CommentNotAscii:
      return pick(french, "Commentaire : lettres sans accent, chiffres et ponctuation seulement",
                  "Comment: letters without accents, digits and punctuation only");
    case SelfSpotProblem::None:
      break;
  }
  return {};
}

QString selfSpotNoConnectionMessage(bool french) {
  return pick(french,
              "Pas de connexion à un nœud telnet : choisissez Source → Cluster telnet et attendez d'être connecté.",
              "No connection to a telnet node: choose Source → Cluster telnet and wait until connected.");
}

QString selfSpotSentText(bool french, std::string_view line) {
  return pick(french, "Annonce envoyée : ", "Spot sent: ") + Cp1252::toQString(line);
}

QString selfSpotAnswerText(bool french, std::string_view answer) {
  return pick(french, "Réponse du nœud : ", "Node's answer: ") + Cp1252::toQString(trimBlanks(answer));
}

QString selfSpotNoAnswerText(bool french) {
  return pick(french, "Le nœud n'a pas répondu à l'annonce", "The node did not answer the spot");
}

}  // namespace brivant
