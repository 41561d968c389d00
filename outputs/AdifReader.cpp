#include "outputs/AdifReader.h"

#include <algorithm>
#include <optional>

namespace brivant {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool isNameCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The length of the UTF-8 sequence a lead byte starts; 0 for a byte that
// cannot start one.
std::size_t sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Bytes beyond ASCII, all of them whole UTF-8 sequences: text no
// single-byte encoding explains as well.
bool looksUtf8(std::string_view text) {
  bool beyondAscii = false;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = sequenceLength(static_cast<unsigned char>(text[i]));
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k)
      if (!isContinuation(text[i + k])) return false;
    beyondAscii = beyondAscii || length > 1;
    i += length;
  }
  return beyondAscii;
}

struct Tag {
  std::string name;  // in capitals
  std::optional<std::size_t> length;
  std::size_t end = 0;  // just after '>'
};

// "<NAME>", "<NAME:LENGTH>" or "<NAME:LENGTH:TYPE>" at a '<'.
std::optional<Tag> tagAt(std::string_view text, std::size_t at) {
  Tag tag;
  std::size_t i = at + 1;
  while (i < text.size() && isNameCharacter(text[i])) tag.name += upperAscii(text[i++]);
  if (tag.name.empty() || i >= text.size()) return std::nullopt;
  if (text[i] == ':') {
    ++i;
    std::size_t length = 0;
    const std::size_t digits = i;
    while (i < text.size() && isDigit(text[i]) && i - digits < 9)
      length = length * 10 + static_cast<std::size_t>(text[i++] - '0');
    if (i == digits) return std::nullopt;
    tag.length = length;
    if (i < text.size() && text[i] == ':') {
      ++i;
      while (i < text.size() && isNameCharacter(text[i])) ++i;
    }
  }
  if (i >= text.size() || text[i] != '>') return std::nullopt;
  tag.end = i + 1;
  return tag;
}

// A value that ends there leaves only blanks before the next tag, and does
// not cut a character in two.
bool endsCleanly(std::string_view text, std::size_t end, bool utf8) {
  if (end > text.size()) return false;
  if (utf8 && end < text.size() && isContinuation(text[end])) return false;
  for (std::size_t i = end; i < text.size() && text[i] != '<'; ++i)
    if (!isBlank(text[i])) return false;
  return true;
}

// Where count characters of UTF-8 text starting at start end.
std::size_t afterCharacters(std::string_view text, std::size_t start, std::size_t count) {
  std::size_t i = start;
  for (std::size_t n = 0; n < count && i < text.size(); ++n) {
    ++i;
    while (i < text.size() && isContinuation(text[i])) ++i;
  }
  return i;
}

std::size_t valueEnd(std::string_view text, std::size_t start, std::size_t length, bool utf8) {
  const std::size_t byBytes = std::min(text.size(), start + std::min(length, text.size()));
  if (!utf8 || endsCleanly(text, byBytes, utf8)) return byBytes;
  const std::size_t byCharacters = afterCharacters(text, start, length);
  return endsCleanly(text, byCharacters, utf8) ? byCharacters : byBytes;
}

}  // namespace

std::string_view AdifFields::value(std::string_view name) const {
  for (const auto& [field, value] : fields)
    if (field == name) return value;
  return {};
}

bool AdifFields::has(std::string_view name) const {
  return std::any_of(fields.begin(), fields.end(), [name](const auto& field) { return field.first == name; });
}

AdifFile readAdif(std::string_view bytes) {
  AdifFile file;
  std::string_view text = bytes;
  if (text.starts_with(ByteOrderMark)) {
    text.remove_prefix(ByteOrderMark.size());
    file.utf8 = true;
  } else {
    file.utf8 = looksUtf8(text);
  }

  AdifFields current;
  std::size_t at = 0;
  while ((at = text.find('<', at)) != std::string_view::npos) {
    const std::optional<Tag> tag = tagAt(text, at);
    if (!tag) {
      ++at;
      continue;
    }
    at = tag->end;
    if (tag->name == "EOH") {
      current.fields.clear();  // the header's own fields
    } else if (tag->name == "EOR") {
      current.number = file.records.size() + 1;
      current.ended = true;
      file.records.push_back(std::move(current));
      current = {};
    } else if (tag->length) {
      const std::size_t end = valueEnd(text, at, *tag->length, file.utf8);
      current.fields.emplace_back(tag->name, std::string(text.substr(at, end - at)));
      at = end;
    }
  }
  if (!current.fields.empty()) {
    current.number = file.records.size() + 1;
    file.records.push_back(std::move(current));
  }
  return file;
}

}  // namespace brivant
