#pragma once
// Reads the ADIF tag syntax (.adi files) as other loggers write it: with a
// header or none, tags in any case, fields the program does not use, CR LF or
// LF, a UTF-8 byte-order mark, text in UTF-8 or in Windows-1252, lengths
// counted in bytes or in characters.
//
// The text is given in pieces, as it is read from the file, and every record
// is handed on as soon as its <eor> is read: only the record being read and
// the piece are held, never the whole file.
//
// A record whose tags cannot be trusted is still handed on, with what went
// wrong: a tag that is not one (<CALL:five>), a length that runs into the tag
// after it (the tag is then read again where it starts, so that no record is
// swallowed by the one before), a length that cuts a word short, a length too
// large for any value, or a field given twice.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace brivant {

// What makes a record's fields unsure; the first thing found is kept.
enum class AdifDamage {
  None,
  MalformedTag,    // text: the tag as written
  RunsIntoTag,     // field: whose value; text: the tag its length swallowed
  LengthTooShort,  // field: whose value; text: what follows the value
  LengthTooLarge,  // field; text: the tag
  RepeatedField,   // field: the one given twice
};

// One record of the file.
struct AdifRecord {
  std::size_t number = 0;  // 1-based among the file's records
  // Field names in capitals; values in UTF-8 (Windows-1252 text converted).
  std::vector<std::pair<std::string, std::string>> fields;
  bool ended = false;  // closed by <eor>; the last one of a cut file is not
  AdifDamage damage = AdifDamage::None;
  std::string damagedField;
  std::string damageText;  // UTF-8

  // The first value of a field (name in capitals); empty when absent.
  std::string_view value(std::string_view name) const;
  bool has(std::string_view name) const;
};

class AdifReader {
 public:
  using RecordSink = std::function<void(AdifRecord&&)>;
  // A value longer than this is no value of a contact: its tag is refused.
  static constexpr std::size_t MaxValueLength = 64 * 1024;

  explicit AdifReader(RecordSink sink);

  // The next piece of the file.
  void feed(std::string_view piece);
  // The end of the file: what is left, and a last record without <eor>.
  void finish();

  // Records handed on so far.
  std::size_t records() const { return records_; }

 private:
  void parse(bool atEnd);
  void addField(std::string name, std::string_view value);
  void damage(AdifDamage what, std::string field, std::string text);
  void handOn(bool ended);

  RecordSink sink_;
  std::string buffer_;
  std::size_t at_ = 0;
  bool started_ = false;
  bool markedUtf8_ = false;  // a byte-order mark
  std::size_t records_ = 0;
  AdifRecord current_;
};

// Every record of a whole text (whatever precedes <eoh> is the header; a file
// without <eoh> has none).
std::vector<AdifRecord> readAdif(std::string_view bytes);

}  // namespace brivant
