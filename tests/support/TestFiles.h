#pragma once
// Temporary folders, fixtures and byte-for-byte golden comparisons for tests.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace brivant::testing {

// The station the log and tally tests log as.
inline constexpr std::string_view LogStation = "F6ABC";

namespace fs = std::filesystem;

// A fresh folder under the system temporary folder, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const fs::path& path() const { return path_; }
  fs::path operator/(std::string_view name) const { return path_ / std::string(name); }

 private:
  fs::path path_;
};

fs::path fixturesDir();     // tests/fixtures of the source tree
fs::path shippedDataDir();  // data/ of the source tree

std::string readBytes(const fs::path& file);  // "" when missing
void writeBytes(const fs::path& file, std::string_view bytes);
// Joins lines with CR LF after each.
std::string crlf(const std::vector<std::string>& lines);

// Copies every shipped data file into the folder (a fresh program directory).
void seedFromShippedData(const fs::path& programDir);

// Compares a file with a golden fixture byte for byte and reports the first
// difference.  With BRIVANT_UPDATE_GOLDEN=1 in the environment the fixture is
// rewritten instead (then review the change with git diff).
void expectMatchesGolden(const fs::path& actual, std::string_view fixtureName);
void expectBytesMatchGolden(std::string_view actualBytes, std::string_view fixtureName);

}  // namespace brivant::testing
