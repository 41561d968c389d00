#include "tests/entry/RebuildReference.h"

#include <fstream>
#include <optional>

namespace brivant::testing {

namespace fs = std::filesystem;

namespace {

const char* const UpperBands[] = {"1.8 MHZ", "3.5 MHZ", "7.0 MHZ", "10 MHZ", "14 MHZ",  "18 MHZ",
                                  "21 MHZ",  "24 MHZ",  "28 MHZ",  "50 MHZ", "144 MHZ", "432 MHZ",
                                  "1.3 GHZ", "2.3 GHZ", "5.7 GHZ", "10 GHZ", "24 GHZ"};

std::string trim(std::string text) {
  while (!text.empty() && text.front() == ' ') text.erase(text.begin());
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::string upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return text;
}

// Mid$(line, column, length) on a line that may be short.
std::string mid(const std::string& line, std::size_t column, std::size_t length) {
  if (column > line.size()) return "";
  return line.substr(column - 1, length);
}

// The band's position (0-16) for the upper-cased band text.
std::optional<std::size_t> bandPosition(const std::string& band) {
  const std::string wanted = upper(band);
  for (std::size_t i = 0; i < 17; ++i)
    if (wanted == UpperBands[i]) return i;
  return std::nullopt;
}

int level(char flag) { return flag >= '1' && flag <= '4' ? flag - '0' : 0; }

char charAt(const std::string& line, std::size_t column) { return column <= line.size() ? line[column - 1] : ' '; }

void setChar(std::string& line, std::size_t column, char c) {
  while (line.size() < column) line += ' ';
  line[column - 1] = c;
}

bool readLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

void writeLine(std::ostream& out, const std::string& line) { out << line << "\r\n"; }

// Delete the data file, copy the temporary file to its name, delete the
// temporary file.
void putBack(const fs::path& temporary, const fs::path& file) {
  fs::remove(file);
  fs::copy_file(temporary, file);
  fs::remove(temporary);
}

bool matches(const std::string& line, const std::string& key) {
  const std::string prefix = trim(mid(line, 1, 5));
  return !prefix.empty() && key.size() >= prefix.size() && key.compare(0, prefix.size(), prefix) == 0;
}

struct Lookup {
  bool found = false;
  std::string mainPrefix;
};

Lookup chercheMainPrefix(const fs::path& file, const std::string& key) {
  std::ifstream in(file, std::ios::binary);
  std::string line;
  while (readLine(in, line)) {
    if (!matches(line, key)) continue;
    std::string main = trim(mid(line, 27, 6));
    if (main.empty()) main = trim(mid(line, 1, 5));
    return {true, main};
  }
  return {};
}

void reconstruitPrefixes(const fs::path& dir, const std::string& call, const std::string& key, const std::string& band,
                         const std::string& mode, std::ostream& absent) {
  const fs::path file = dir / (call + (mode == "SSB" ? "_Prefixe_SSB.txt" : "_Prefixe_CW.txt"));
  const fs::path temporary = dir / "Temporaire.txt";
  {
    std::ifstream in(file, std::ios::binary);
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    bool found = false;
    std::string line;
    while (readLine(in, line)) {
      if (!found && matches(line, key)) {
        found = true;
        if (const auto position = bandPosition(band)) {
          const std::size_t column = 8 + *position;
          if (level(charAt(line, column)) == 0) setChar(line, column, '1');
        }
      }
      writeLine(out, line);
    }
    if (!found) writeLine(absent, key);
  }
  putBack(temporary, file);
}

void reconstruitDepartements(const fs::path& dir, const std::string& call, const std::string& code, char marker,
                             const std::string& mode, const std::string& band) {
  const fs::path file = dir / (call + (mode == "SSB" ? "_Departement_SSB.txt" : "_Departement_CW.txt"));
  const fs::path temporary = dir / "Temporaire.txt";
  {
    std::ifstream in(file, std::ios::binary);
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    bool found = false;
    std::string line;
    while (readLine(in, line)) {
      if (!found && !trim(code).empty() && trim(mid(line, 1, 2)) == trim(code)) {
        found = true;
        if (const auto position = bandPosition(band)) {
          const std::size_t column = 4 + *position;
          const int value = level(marker) == 0 ? 1 : level(marker);
          const int f = level(charAt(line, column));
          setChar(line, column, static_cast<char>('0' + (f <= value ? value : f)));
        }
      }
      writeLine(out, line);
    }
  }
  putBack(temporary, file);
}

struct Contact {
  std::string callsign, band, mode, departement;
  char marker;
};

Contact cut(const std::string& line) {
  return {trim(mid(line, 11, 12)), trim(mid(line, 50, 8)), trim(mid(line, 60, 7)), upper(trim(mid(line, 37, 2))),
          charAt(line, 135)};
}

}  // namespace

std::vector<std::string> referenceRebuild(const fs::path& dir, std::string_view station) {
  const std::string call(station);
  const fs::path log = dir / (call + ".log");
  const fs::path absentList = dir / (call + "_Absent.txt");
  std::vector<std::string> unknown;

  // MAJ_Prefixe: one pass per mode, the absent list emptied before each.
  for (const std::string mode : {"SSB", "CW"}) {
    fs::copy_file(dir / "FXXXX.log", absentList, fs::copy_options::overwrite_existing);
    const fs::path tally = dir / (call + "_Prefixe_" + mode + ".txt");
    fs::copy_file(dir / "FXXXX_Prefixe.txt", tally, fs::copy_options::overwrite_existing);
    std::ifstream in(log, std::ios::binary);
    std::ofstream absent(absentList, std::ios::binary | std::ios::trunc);
    std::string line;
    std::string entryMainPrefix;
    while (readLine(in, line)) {
      const Contact c = cut(line);
      if (c.mode != mode || c.callsign.empty()) continue;
      const Lookup lookup = chercheMainPrefix(tally, c.callsign);
      if (lookup.found) {
        entryMainPrefix = lookup.mainPrefix;
      } else {
        unknown.push_back(c.callsign);
        entryMainPrefix = c.callsign;
      }
      absent.flush();
      reconstruitPrefixes(dir, call, entryMainPrefix, c.band, c.mode, absent);
    }
  }

  // MAJ_Departement.
  for (const std::string mode : {"SSB", "CW"}) {
    fs::copy_file(dir / "FXXXX_Departement.txt", dir / (call + "_Departement_" + mode + ".txt"),
                  fs::copy_options::overwrite_existing);
    std::ifstream in(log, std::ios::binary);
    std::string line;
    while (readLine(in, line)) {
      const Contact c = cut(line);
      if (c.mode == mode) reconstruitDepartements(dir, call, c.departement, c.marker, c.mode, c.band);
    }
  }
  return unknown;
}

}  // namespace brivant::testing
