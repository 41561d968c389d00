#include "platform/SettingsStore.h"

#include <charconv>
#include <ctime>
#include <system_error>

#include "platform/TextFile.h"

// File format: UTF-8 text, LF line ends, "[section]" headers and "key=value"
// lines, in sorted order.  Nothing is trimmed: a section or key keeps its
// blanks.  A backslash escapes what the format itself uses: "\\\\", "\\r",
// "\\n", "\\xHH" for other control characters, and "\\=", "\\[", "\\]" in keys
// and section names.  Bytes are kept as they are: text that is not valid
// UTF-8 (a damaged file, or 1252 bytes handed in) reads back unchanged.

namespace brivant {

namespace {

void appendEscaped(std::string& out, std::string_view text, bool isName) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (byte < 0x20 || byte == 0x7F) {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    } else if (isName && (c == '=' || c == '[' || c == ']')) {
      out += '\\';
      out += c;
    } else {
      out += c;
    }
  }
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Lenient: an unknown or cut escape keeps its characters as they are.
std::string unescape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\\' || i + 1 == text.size()) {
      out += c;
      continue;
    }
    const char next = text[i + 1];
    switch (next) {
      case '\\':
      case '=':
      case '[':
      case ']':
        out += next;
        ++i;
        break;
      case 'n':
        out += '\n';
        ++i;
        break;
      case 'r':
        out += '\r';
        ++i;
        break;
      case 'x':
        if (i + 3 < text.size() && hexValue(text[i + 2]) >= 0 && hexValue(text[i + 3]) >= 0) {
          out += static_cast<char>(hexValue(text[i + 2]) * 16 + hexValue(text[i + 3]));
          i += 3;
        } else {
          out += c;
        }
        break;
      default:
        out += c;
        break;
    }
  }
  return out;
}

// Position of the first occurrence of a character that is not escaped.
std::size_t findUnescaped(std::string_view line, char wanted, std::size_t from) {
  for (std::size_t i = from; i < line.size(); ++i) {
    if (line[i] == '\\') {
      ++i;
    } else if (line[i] == wanted) {
      return i;
    }
  }
  return std::string_view::npos;
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

SettingsStore::SettingsStore(std::filesystem::path folder) : folder_(std::move(folder)) {}

std::filesystem::path SettingsStore::fileOf(std::string_view application) const {
  return folder_ / (std::string(application) + ".ini");
}

SettingsStore::Loaded& SettingsStore::loadEntry(std::string_view application) const {
  auto found = cache_.find(application);
  if (found != cache_.end() && !found->second.readError) return found->second;
  Loaded& entry = cache_[std::string(application)];
  entry = Loaded{};

  const std::filesystem::path file = fileOf(application);
  Result<std::string> content = TextFile::readAll(file);
  if (!content) {
    if (content.error().number != FileNotFound) entry.readError = content.error();
    return entry;
  }
  // Damaged lines (cut, garbage, a header without "]", no "=") are skipped or
  // read as far as they go; every line that still parses is kept.
  std::string_view rest = *content;
  std::string section;
  while (!rest.empty()) {
    const std::size_t lf = rest.find('\n');
    std::string_view line = rest.substr(0, lf);
    rest = lf == std::string_view::npos ? std::string_view{} : rest.substr(lf + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    if (line.front() == '[') {
      const std::size_t close = findUnescaped(line, ']', 1);
      if (close == std::string_view::npos) ++entry.damagedLines;
      section = unescape(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
      continue;
    }
    const std::size_t equals = findUnescaped(line, '=', 0);
    if (equals == std::string_view::npos) {
      ++entry.damagedLines;
      continue;
    }
    // The first occurrence of a key wins, as in a lookup from the top.
    entry.values.try_emplace(Key{section, unescape(line.substr(0, equals))}, unescape(line.substr(equals + 1)));
  }
  return entry;
}

namespace {

// "ZIV.ini" -> "ZIV.ini.damaged-20261207-101500", with a number added when
// that name is taken.
std::filesystem::path asideName(const std::filesystem::path& file, const char* why) {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
  ::localtime_r(&now, &parts);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &parts);
  const std::string base = file.string() + "." + why + "-" + stamp;
  std::filesystem::path candidate = base;
  std::error_code ec;
  for (int n = 2; std::filesystem::exists(std::filesystem::symlink_status(candidate, ec)); ++n)
    candidate = base + "-" + std::to_string(n);
  return candidate;
}

}  // namespace

Result<std::optional<SettingsStore::KeptAside>> SettingsStore::keepAsideIfUnusable(std::string_view application) {
  Loaded& entry = loadEntry(application);
  const std::filesystem::path file = fileOf(application);
  if (entry.readError) {
    const std::filesystem::path aside = asideName(file, "unreadable");
    std::error_code ec;
    std::filesystem::rename(file, aside, ec);
    if (ec) return FileError{TextFile::errorNumberOf(ec.value()), file.string(), ec.message()};
    cache_.erase(cache_.find(application));
    return std::optional<KeptAside>(KeptAside{aside, true});
  }
  if (entry.damagedLines == 0) return std::optional<KeptAside>();
  const std::filesystem::path aside = asideName(file, "damaged");
  if (Status copied = TextFile::copy(file, aside); !copied) return copied.error();
  entry.damagedLines = 0;
  return std::optional<KeptAside>(KeptAside{aside, false});
}

const SettingsStore::Values& SettingsStore::load(std::string_view application) const {
  return loadEntry(application).values;
}

std::string SettingsStore::get(std::string_view application, std::string_view section, std::string_view key,
                               std::string_view defaultValue) const {
  const Values& values = load(application);
  const auto found = values.find(Key{std::string(section), std::string(key)});
  return found == values.end() ? std::string(defaultValue) : found->second;
}

Status SettingsStore::save(std::string_view application, std::string_view section, std::string_view key,
                           std::string_view value) {
  return saveAll(application, {{std::string(section), std::string(key), std::string(value)}});
}

Status SettingsStore::saveAll(std::string_view application, const std::vector<Setting>& settings) {
  Loaded& entry = loadEntry(application);
  if (entry.readError) return *entry.readError;

  // The entry fields save their choice at every Enter: values already stored
  // (and so already in the file) cost no rewrite and no flush.
  Values updated = entry.values;
  bool changed = false;
  for (const Setting& setting : settings) {
    auto [slot, added] = updated.try_emplace(Key{setting.section, setting.key}, setting.value);
    if (!added && slot->second == setting.value) continue;
    slot->second = setting.value;
    changed = true;
  }
  if (!changed) return {};

  std::string text;
  const std::string* currentSection = nullptr;
  for (const auto& [name, stored] : updated) {
    if (!currentSection || *currentSection != name.first) {
      if (currentSection || !name.first.empty()) {
        text += '[';
        appendEscaped(text, name.first, true);
        text += "]\n";
      }
      currentSection = &name.first;
    }
    appendEscaped(text, name.second, true);
    text += '=';
    appendEscaped(text, stored, false);
    text += '\n';
  }

  std::error_code ec;
  std::filesystem::create_directories(folder_, ec);
  const std::filesystem::path file = fileOf(application);
  Status written = ec ? Status(FileError{TextFile::errorNumberOf(ec.value()), folder_.string(), ec.message()})
                      : Status(TextFile::replaceAtomicallyBytes(file.string() + ".tmp", file, text));
  // Memory follows the file, so that a failed save is never read back.
  if (written) entry.values = std::move(updated);
  return written;
}

bool SettingsStore::getBool(std::string_view application, std::string_view section, std::string_view key,
                            bool defaultValue) const {
  const std::string text = get(application, section, key, boolText(defaultValue));
  const std::string_view value = trimmed(text);
  if (equalsIgnoringCase(value, "True") || value == "-1" || value == "1") return true;
  if (equalsIgnoringCase(value, "False") || value == "0") return false;
  return defaultValue;
}

Status SettingsStore::saveBool(std::string_view application, std::string_view section, std::string_view key,
                               bool value) {
  return save(application, section, key, boolText(value));
}

int SettingsStore::getInt(std::string_view application, std::string_view section, std::string_view key,
                          int defaultValue) const {
  const std::string text = get(application, section, key, {});
  const std::string_view value = trimmed(text);
  int number = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
  if (value.empty() || error != std::errc{} || end != value.data() + value.size()) return defaultValue;
  return number;
}

}  // namespace brivant
