#pragma once
// Reads the ADIF tag syntax (.adi files) as other loggers write it: with a
// header or none, tags in any case, fields the program does not use, CR LF or
// LF, a UTF-8 byte-order mark, text in UTF-8 or in Windows-1252.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace brivant {

// One record of the file.
struct AdifFields {
  std::size_t number = 0;  // 1-based among the file's records
  // Field names in capitals, values as the file holds them (UTF-8 or
  // Windows-1252 bytes, see AdifFile::utf8).
  std::vector<std::pair<std::string, std::string>> fields;
  bool ended = false;  // closed by <eor>; the last one of a cut file is not

  // The first value of a field (name in capitals); empty when absent.
  std::string_view value(std::string_view name) const;
  bool has(std::string_view name) const;
};

struct AdifFile {
  // The text is UTF-8 (a byte-order mark, or bytes that only UTF-8 explains);
  // otherwise it is read as Windows-1252.
  bool utf8 = false;
  std::vector<AdifFields> records;
};

// Every record after the header (whatever precedes <eoh>; a file without
// <eoh> has none).  A value's length counts bytes, as the format says; in a
// UTF-8 file written by a program that counted characters instead, the
// characters are taken when only they end the value before the next tag.
// What is not a tag between the values is skipped.
AdifFile readAdif(std::string_view bytes);

}  // namespace brivant
