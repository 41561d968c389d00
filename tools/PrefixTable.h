#pragma once
// Builds the shipped prefix template "FXXXX_Prefixe.txt" from the DXCC country
// file, choosing its lines by how many real callsigns they resolve correctly.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "entry/PrefixTally.h"
#include "tools/CountryFile.h"

namespace brivant::tools {

// The layout the program reads (start-up refuses a template of another size).
inline constexpr std::size_t PrefixTemplateBytes = brivant::PrefixLine::TemplateBytes;
inline constexpr std::size_t PrefixWidth = brivant::PrefixLine::PrefixWidth;
inline constexpr std::size_t MainPrefixWidth = brivant::PrefixLine::MainPrefixWidth;
inline constexpr std::size_t BandFlags = Bands.size();

// The prefixes the entry treats as France.  "TW" is not in the country file
// but the entry counts it as French, so the table gives it a French line.
inline constexpr std::string_view FrenchOnlyExtraPrefix = "TW";

struct PrefixLine {
  std::string prefix;      // at most 5 characters
  std::string mainPrefix;  // the entity's main line has prefix == mainPrefix
  std::string name;        // printable ASCII, so the same bytes in Windows-1252
};

// Bytes one line takes in the file, CR LF included: 35 + the name.
std::size_t lineBytes(const PrefixLine& line);
// "DL     00000000000000000  DL     Germany\r\n"
std::string formatLine(const PrefixLine& line);
std::string formatTable(const std::vector<PrefixLine>& lines);

// File order: a prefix comes after every longer prefix that begins with it
// (the lookup takes the first line that matches), otherwise byte order.
bool comesBefore(std::string_view a, std::string_view b);

// The callsigns of a MASTER.SCP file: comment lines skipped, each call once.
std::vector<std::string> parseSampleCalls(std::string_view text);

struct Accuracy {
  std::size_t calls = 0;    // sample calls the country file resolves
  std::size_t correct = 0;  // of those, the ones the table resolves to the same entity
  double share() const { return calls == 0 ? 0.0 : static_cast<double>(correct) / static_cast<double>(calls); }
};

// Resolves every sample call as the entry does (first matching line from the
// top, then the main prefix that line names) and compares the entity with the
// country file's own answer.
Accuracy measureAccuracy(const std::vector<PrefixLine>& fileOrder, const CountryFile& country,
                         const std::vector<std::string>& sample);

struct PrefixTable {
  std::vector<PrefixLine> lines;   // in file order
  std::size_t mandatoryLines = 0;  // every entity's main line and France's lines
  std::size_t measuredLines = 0;   // chosen because they fix sample calls
  std::size_t fillLines = 0;       // country-file prefixes no sample call reaches
  Accuracy accuracy;
};

// Deterministic for the same inputs.  Throws std::runtime_error when the
// country file cannot give a table of exactly targetBytes.
PrefixTable buildPrefixTable(const CountryFile& country, const std::vector<std::string>& sample,
                             std::size_t targetBytes = PrefixTemplateBytes);

}  // namespace brivant::tools
