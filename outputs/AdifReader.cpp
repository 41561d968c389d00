#include "outputs/AdifReader.h"

#include <algorithm>
#include <optional>

#include "core/Text.h"
#include "platform/Cp1252.h"

namespace brivant {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
// The longest tag read as one ("<APP_LOGGER_QSO_TIMESTAMP:20:S>" is 31).
constexpr std::size_t MaxTagLength = 80;
// What must be read past a value to know where it ends: the tag after it.
constexpr std::size_t Lookahead = MaxTagLength + 16;
// At most this many digits in a length (more is too large a value anyway).
constexpr std::size_t MaxLengthDigits = 9;

bool isNameCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

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

// Whether every byte is ASCII, and whether the text is whole UTF-8 sequences.
struct TextKind {
  bool ascii = true;
  bool utf8 = true;
};
TextKind kindOf(std::string_view text) {
  TextKind kind;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = sequenceLength(static_cast<unsigned char>(text[i]));
    if (length == 1) {
      ++i;
      continue;
    }
    kind.ascii = false;
    if (length == 0 || i + length > text.size()) return {false, false};
    for (std::size_t k = 1; k < length; ++k)
      if (!isContinuation(text[i + k])) return {false, false};
    i += length;
  }
  return kind;
}

// A value as UTF-8: bytes that are whole UTF-8 sequences are taken as UTF-8,
// any other as Windows-1252 (a file may even hold both).
std::string utf8Value(std::string_view bytes) {
  const TextKind kind = kindOf(bytes);
  if (kind.ascii || kind.utf8) return std::string(bytes);
  return Cp1252::toUtf8(bytes);
}

enum class TagKind { NeedMore, NotATag, Malformed, Tag };

struct TagScan {
  TagKind kind = TagKind::NotATag;
  std::string name;  // in capitals
  std::optional<std::size_t> length;
  bool lengthTooLarge = false;
  std::size_t end = 0;  // just after '>', or where a malformed tag's text ends
};

TagScan scanOf(TagKind kind) { return {kind, {}, {}, false, 0}; }

TagScan needMoreOr(bool atEnd, TagScan otherwise) {
  if (!atEnd) return scanOf(TagKind::NeedMore);
  return otherwise;
}

// A '<' and a name that make no tag: its text runs to the first '>' (within
// the longest tag) or to the end of its line.
TagScan malformedAt(std::string_view text, std::size_t at, bool atEnd) {
  const std::size_t limit = std::min(text.size(), at + MaxTagLength);
  for (std::size_t i = at + 1; i < limit; ++i) {
    if (text[i] == '>') return {TagKind::Malformed, {}, {}, false, i + 1};
    if (text[i] == '\r' || text[i] == '\n') return {TagKind::Malformed, {}, {}, false, i};
  }
  if (!atEnd && limit == text.size() && text.size() < at + MaxTagLength) return scanOf(TagKind::NeedMore);
  return {TagKind::Malformed, {}, {}, false, limit};
}

// "<NAME>", "<NAME:LENGTH>" or "<NAME:LENGTH:TYPE>" at a '<'.  A '<' not
// followed by a name character is plain text; one followed by a name that
// does not end as a tag ends is a malformed tag.
TagScan scanTag(std::string_view text, std::size_t at, bool atEnd) {
  std::size_t i = at + 1;
  if (i >= text.size()) return needMoreOr(atEnd, scanOf(TagKind::NotATag));
  if (!isNameCharacter(text[i])) return scanOf(TagKind::NotATag);
  TagScan tag = scanOf(TagKind::Tag);
  while (i < text.size() && isNameCharacter(text[i]) && i - at < MaxTagLength)
    tag.name += Cp1252::upperAscii(text[i++]);
  if (i >= text.size()) return needMoreOr(atEnd, malformedAt(text, at, atEnd));
  if (text[i] == ':') {
    const std::size_t digits = ++i;
    std::size_t length = 0;
    while (i < text.size() && isAsciiDigit(text[i]) && i - at < MaxTagLength) {
      if (i - digits < MaxLengthDigits) length = length * 10 + static_cast<std::size_t>(text[i] - '0');
      ++i;
    }
    if (i >= text.size()) return needMoreOr(atEnd, malformedAt(text, at, atEnd));
    if (i == digits) return malformedAt(text, at, atEnd);
    tag.length = length;
    tag.lengthTooLarge = i - digits > MaxLengthDigits || length > AdifReader::MaxValueLength;
    if (text[i] == ':') {
      ++i;
      while (i < text.size() && isNameCharacter(text[i]) && i - at < MaxTagLength) ++i;
      if (i >= text.size()) return needMoreOr(atEnd, malformedAt(text, at, atEnd));
    }
  }
  if (text[i] != '>') return malformedAt(text, at, atEnd);
  tag.end = i + 1;
  return tag;
}

bool isMarker(std::string_view name) { return name == "EOR" || name == "EOH"; }

// The first '<' between from and to that starts a tag the value must not
// hold: one that ends past the value (its start was eaten), a tag with a
// length, or an end of record or header.  A '<' of plain text ("a<b" just
// before the next tag), or a short tag wholly inside ("<QRP>" in a
// comment), belongs to the value.
std::optional<std::size_t> swallowedTag(std::string_view text, std::size_t from, std::size_t to) {
  for (std::size_t p = text.find('<', from); p != std::string_view::npos && p < to; p = text.find('<', p + 1)) {
    const TagScan tag = scanTag(text, p, true);
    if (tag.kind == TagKind::Tag && (tag.end > to || tag.length || isMarker(tag.name))) return p;
  }
  return std::nullopt;
}

// A value that ends there is followed by a blank, a tag or the end.
bool endsCleanly(std::string_view text, std::size_t end) {
  return end >= text.size() || isBlank(text[end]) || text[end] == '<';
}

// Where count characters of UTF-8 text starting at start end; nothing when
// the text is not UTF-8 there.
std::optional<std::size_t> afterCharacters(std::string_view text, std::size_t start, std::size_t count) {
  std::size_t i = start;
  for (std::size_t n = 0; n < count; ++n) {
    if (i >= text.size()) return std::nullopt;
    const std::size_t length = sequenceLength(static_cast<unsigned char>(text[i]));
    if (length == 0 || i + length > text.size()) return std::nullopt;
    for (std::size_t k = 1; k < length; ++k)
      if (!isContinuation(text[i + k])) return std::nullopt;
    i += length;
  }
  return i;
}

// The first word after a value its length cut short.
std::string wordAt(std::string_view text, std::size_t at) {
  std::size_t end = at;
  while (end < text.size() && end - at < 40 && !isBlank(text[end]) && text[end] != '<') ++end;
  return utf8Value(text.substr(at, end - at));
}

}  // namespace

std::string_view AdifRecord::value(std::string_view name) const {
  for (const auto& [field, value] : fields)
    if (field == name) return value;
  return {};
}

bool AdifRecord::has(std::string_view name) const {
  return std::any_of(fields.begin(), fields.end(), [name](const auto& field) { return field.first == name; });
}

AdifReader::AdifReader(RecordSink sink) : sink_(std::move(sink)) {}

void AdifReader::feed(std::string_view piece) {
  buffer_.append(piece);
  if (!started_) {
    if (buffer_.size() < ByteOrderMark.size() && ByteOrderMark.starts_with(buffer_)) return;
    started_ = true;
    if (std::string_view(buffer_).starts_with(ByteOrderMark)) at_ = ByteOrderMark.size();
  }
  parse(false);
}

void AdifReader::finish() {
  started_ = true;
  parse(true);
  if (!current_.fields.empty() || current_.damage != AdifDamage::None) handOn(false);
  buffer_.clear();
  buffer_.shrink_to_fit();
  at_ = 0;
}

void AdifReader::damage(AdifDamage what, std::string field, std::string text) {
  if (current_.damage != AdifDamage::None) return;
  current_.damage = what;
  current_.damagedField = std::move(field);
  current_.damageText = std::move(text);
}

void AdifReader::addField(std::string name, std::string_view value) {
  if (current_.has(name)) {
    damage(AdifDamage::RepeatedField, std::move(name), {});
    return;
  }
  current_.fields.emplace_back(std::move(name), utf8Value(value));
}

void AdifReader::handOn(bool ended) {
  current_.number = ++records_;
  current_.ended = ended;
  sink_(std::move(current_));
  current_ = AdifRecord{};
}

void AdifReader::parse(bool atEnd) {
  const std::string_view text = buffer_;
  while (at_ < text.size()) {
    const std::size_t open = text.find('<', at_);
    if (open == std::string_view::npos) {
      at_ = text.size();  // text between the tags
      break;
    }
    at_ = open;
    const TagScan tag = scanTag(text, open, atEnd);
    if (tag.kind == TagKind::NeedMore) break;
    if (tag.kind == TagKind::NotATag) {
      ++at_;
      continue;
    }
    if (tag.kind == TagKind::Malformed) {
      damage(AdifDamage::MalformedTag, {}, utf8Value(text.substr(open, tag.end - open)));
      at_ = tag.end;
      continue;
    }
    if (tag.name == "EOH") {
      current_ = AdifRecord{};  // the header's own fields
      at_ = tag.end;
      continue;
    }
    if (tag.name == "EOR") {
      handOn(true);
      at_ = tag.end;
      continue;
    }
    if (!tag.length) {  // a tag without value: nothing to keep
      at_ = tag.end;
      continue;
    }
    if (tag.lengthTooLarge) {
      damage(AdifDamage::LengthTooLarge, tag.name, utf8Value(text.substr(open, tag.end - open)));
      at_ = tag.end;
      continue;
    }

    const std::size_t start = tag.end;
    const std::size_t length = *tag.length;
    if (!atEnd && text.size() < start + 4 * length + Lookahead) break;  // the value may be in the next piece
    const std::size_t byBytes = std::min(text.size(), start + length);
    if (const std::optional<std::size_t> eaten = swallowedTag(text, start, byBytes)) {
      // The length runs into the next tag: the record is refused, and the
      // tag is read again where it starts.
      const TagScan next = scanTag(text, *eaten, true);
      damage(AdifDamage::RunsIntoTag, tag.name, utf8Value(text.substr(*eaten, next.end - *eaten)));
      addField(tag.name, text.substr(start, *eaten - start));
      at_ = *eaten;
      continue;
    }
    std::size_t end = byBytes;
    if (!endsCleanly(text, byBytes)) {
      // Lengths counted in characters, as some programs write UTF-8; else
      // the length cut the value short.
      const std::optional<std::size_t> byCharacters = afterCharacters(text, start, length);
      if (byCharacters && endsCleanly(text, *byCharacters) && !swallowedTag(text, start, *byCharacters))
        end = *byCharacters;
      else
        damage(AdifDamage::LengthTooShort, tag.name, wordAt(text, byBytes));
    }
    addField(tag.name, text.substr(start, end - start));
    at_ = end;
  }
  buffer_.erase(0, at_);
  at_ = 0;
}

std::vector<AdifRecord> readAdif(std::string_view bytes) {
  std::vector<AdifRecord> records;
  AdifReader reader([&records](AdifRecord&& record) { records.push_back(std::move(record)); });
  reader.feed(bytes);
  reader.finish();
  return records;
}

}  // namespace brivant
