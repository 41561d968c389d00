#include "tools/CountryFile.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>

#include "platform/Cp1252.h"

namespace brivant::tools {

namespace {

// The WAE-only entities and the DXCC entity each one counts for.  A new
// "*" entity in a later country file stops the generator until it is added
// here: guessing its parent could score contacts for the wrong country.
constexpr std::array<std::pair<std::string_view, std::string_view>, 6> waeParents{{
    {"*4U1V", "OE"},  // Vienna Intl Ctr -> Austria
    {"*GM/s", "GM"},  // Shetland Islands -> Scotland
    {"*IG9", "I"},    // African Italy -> Italy
    {"*IT9", "I"},    // Sicily -> Italy
    {"*JW/b", "JW"},  // Bear Island -> Svalbard
    {"*TA1", "TA"},   // European Turkey -> Turkey
}};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string trimmed(std::string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && isBlank(text[begin])) ++begin;
  while (end > begin && isBlank(text[end - 1])) --end;
  return std::string(text.substr(begin, end - begin));
}

// "W1AW(4)[7]" -> "W1AW": zone, position, continent and time-zone overrides
// change nothing about which entity a call belongs to.
std::string withoutOverrides(std::string_view token) {
  std::string out;
  for (std::size_t i = 0; i < token.size(); ++i) {
    char closing = 0;
    switch (token[i]) {
      case '(':
        closing = ')';
        break;
      case '[':
        closing = ']';
        break;
      case '<':
        closing = '>';
        break;
      case '{':
        closing = '}';
        break;
      case '~':
        closing = '~';
        break;
      default:
        break;
    }
    if (closing != 0) {
      const std::size_t end = token.find(closing, i + 1);
      if (end == std::string_view::npos)
        throw std::runtime_error("unclosed override in \"" + std::string(token) + "\"");
      i = end;
    } else if (!isBlank(token[i])) {
      out += token[i];
    }
  }
  return out;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = text.find(separator, start);
    parts.push_back(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
    if (at == std::string_view::npos) return parts;
    start = at + 1;
  }
}

}  // namespace

CountryFile CountryFile::parse(std::string_view text) {
  CountryFile file;
  std::size_t pos = 0;
  for (;;) {
    while (pos < text.size() && isBlank(text[pos])) ++pos;
    if (pos >= text.size()) break;
    const std::size_t eol = text.find('\n', pos);
    if (eol == std::string_view::npos)
      throw std::runtime_error("entity header without prefixes at the end of the file");
    const std::vector<std::string_view> fields = split(text.substr(pos, eol - pos), ':');
    if (fields.size() < 8) throw std::runtime_error("malformed entity header: " + trimmed(text.substr(pos, eol - pos)));
    CountryEntity entity;
    entity.name = trimmed(fields[0]);
    entity.fileMainPrefix = trimmed(fields[7]);
    if (entity.name.empty() || entity.fileMainPrefix.empty())
      throw std::runtime_error("entity header without name or main prefix: " + trimmed(text.substr(pos, eol - pos)));
    const std::size_t end = text.find(';', eol);
    if (end == std::string_view::npos) throw std::runtime_error("prefix list of " + entity.name + " never ends");
    for (std::string_view raw : split(text.substr(eol + 1, end - eol - 1), ',')) {
      std::string token = withoutOverrides(raw);
      if (token.empty()) continue;
      if (token.front() == '=') {
        token.erase(0, 1);
        if (!token.empty()) entity.exactCalls.push_back(std::move(token));
      } else {
        entity.prefixes.push_back(std::move(token));
      }
    }
    file.entities_.push_back(std::move(entity));
    pos = end + 1;
  }
  if (file.entities_.empty()) throw std::runtime_error("no entity in the country file");

  for (std::size_t i = 0; i < file.entities_.size(); ++i) {
    CountryEntity& entity = file.entities_[i];
    if (!entity.waeOnly()) {
      entity.countsFor = static_cast<int>(i);
      continue;
    }
    const auto known = std::find_if(waeParents.begin(), waeParents.end(),
                                    [&](const auto& pair) { return pair.first == entity.fileMainPrefix; });
    if (known == waeParents.end())
      throw std::runtime_error("WAE-only entity " + entity.fileMainPrefix + " (" + entity.name +
                               ") has no DXCC parent");
    entity.countsFor = file.findByFileMainPrefix(known->second);
    if (entity.countsFor < 0 || file.entities_[static_cast<std::size_t>(entity.countsFor)].waeOnly())
      throw std::runtime_error("DXCC parent " + std::string(known->second) + " of " + entity.name + " is missing");
  }

  // Where two entities list the same entry the first listing wins; in the
  // files seen so far such pairs are a WAE entity and its parent, which agree.
  for (const CountryEntity& entity : file.entities_) {
    for (const std::string& prefix : entity.prefixes) {
      file.byPrefix_.emplace(prefix, entity.countsFor);
      file.longestPrefix_ = std::max(file.longestPrefix_, prefix.size());
    }
    for (const std::string& call : entity.exactCalls) file.byExactCall_.emplace(call, entity.countsFor);
  }
  return file;
}

int CountryFile::findByFileMainPrefix(std::string_view mainPrefix) const {
  for (std::size_t i = 0; i < entities_.size(); ++i)
    if (entities_[i].fileMainPrefix == mainPrefix) return static_cast<int>(i);
  return -1;
}

int CountryFile::resolve(std::string_view call) const {
  if (const auto exact = byExactCall_.find(std::string(call)); exact != byExactCall_.end()) return exact->second;
  return resolveByPrefix(call);
}

int CountryFile::resolveByPrefix(std::string_view text) const {
  for (std::size_t length = std::min(text.size(), longestPrefix_); length > 0; --length) {
    if (const auto found = byPrefix_.find(std::string(text.substr(0, length))); found != byPrefix_.end())
      return found->second;
  }
  return -1;
}

std::string CountryFile::tableMainPrefix(int index) const {
  std::string_view prefix = entity(index).fileMainPrefix;
  if (!prefix.empty() && prefix.front() == '*') prefix.remove_prefix(1);
  return Cp1252::upperAscii(prefix);
}

}  // namespace brivant::tools
