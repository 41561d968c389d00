#pragma once
// The per-user key/value settings store: application, section, key -> text.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Result.h"

namespace brivant {

// One text file per application in the settings folder ("ZIV.ini").  Sections
// and keys keep their exact text (trailing blanks, accents); values are UTF-8
// text (any bytes read back unchanged, line ends included); a key saved empty
// reads back empty.  A failed save changes neither the file nor what get
// returns.  Every save rewrites the file
// atomically.  A damaged file never crashes the program: the lines that can
// still be read are kept, the others ignored.
class SettingsStore {
 public:
  explicit SettingsStore(std::filesystem::path folder);

  std::string get(std::string_view application, std::string_view section, std::string_view key,
                  std::string_view defaultValue) const;
  // Saving the value a key already holds leaves the file alone.
  Status save(std::string_view application, std::string_view section, std::string_view key, std::string_view value);

  // Several values saved in one rewrite of the file: either every one of them
  // is kept or, when the file cannot be written, none is.
  struct Setting {
    std::string section;
    std::string key;
    std::string value;
  };
  Status saveAll(std::string_view application, const std::vector<Setting>& settings);

  // Booleans have one text form, "True" / "False"; "-1" and "1" also read true.
  bool getBool(std::string_view application, std::string_view section, std::string_view key, bool defaultValue) const;
  Status saveBool(std::string_view application, std::string_view section, std::string_view key, bool value);
  static std::string boolText(bool value) { return value ? "True" : "False"; }

  // Numeric reads: the default when absent or not a number.
  int getInt(std::string_view application, std::string_view section, std::string_view key, int defaultValue) const;

  std::filesystem::path fileOf(std::string_view application) const;

  // A settings file that cannot be used as it is, kept for the operator
  // rather than overwritten: an unreadable one (a folder in its place, no
  // permission) is renamed aside and the store starts empty; one with damaged
  // lines is copied aside and its readable values stay (the next save drops
  // the damaged lines).  The file's new name when it was kept aside; nothing
  // when the file is absent or sound; an error when it could not be kept
  // aside (saves then stay refused, so it is never overwritten).
  struct KeptAside {
    std::filesystem::path file;
    bool unreadable = false;  // renamed: nothing of it is used
  };
  Result<std::optional<KeptAside>> keepAsideIfUnusable(std::string_view application);

 private:
  using Key = std::pair<std::string, std::string>;  // section, key
  using Values = std::map<Key, std::string>;
  struct Loaded {
    Values values;
    // Set when the file exists but could not be read: saving then would
    // replace it with only the new key, so saves are refused until it reads.
    std::optional<FileError> readError;
    // Lines that were neither a section header nor "key=value".
    int damagedLines = 0;
  };
  const Values& load(std::string_view application) const;
  Loaded& loadEntry(std::string_view application) const;

  std::filesystem::path folder_;
  mutable std::map<std::string, Loaded, std::less<>> cache_;
};

}  // namespace brivant
