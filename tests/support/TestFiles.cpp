#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

namespace brivant::testing {

TempDir::TempDir() {
  std::random_device device;
  std::mt19937_64 random(device());
  for (;;) {
    path_ = fs::temp_directory_path() / ("brivant-test-" + std::to_string(random()));
    std::error_code error;
    if (fs::create_directory(path_, error)) break;
  }
}

TempDir::~TempDir() {
  std::error_code error;
  fs::remove_all(path_, error);
}

static fs::path fromEnvironment(const char* name, const char* fallbackRelative) {
  if (const char* value = std::getenv(name); value && *value) return value;
  return fs::path(__FILE__).parent_path().parent_path().parent_path() / fallbackRelative;
}

fs::path fixturesDir() { return fromEnvironment("BRIVANT_FIXTURES_DIR", "tests/fixtures"); }
fs::path shippedDataDir() { return fromEnvironment("BRIVANT_DATA_DIR", "data"); }

std::string readBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& file, std::string_view bytes) {
  if (file.has_parent_path()) fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string crlf(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

void seedFromShippedData(const fs::path& programDir) {
  fs::create_directories(programDir);
  for (const auto& entry : fs::directory_iterator(shippedDataDir())) {
    if (entry.is_regular_file())
      fs::copy_file(entry.path(), programDir / entry.path().filename(), fs::copy_options::overwrite_existing);
  }
}

static std::string describeDifference(std::string_view actual, std::string_view expected) {
  std::size_t i = 0;
  while (i < actual.size() && i < expected.size() && actual[i] == expected[i]) ++i;
  std::size_t line = 1, lineStart = 0;
  for (std::size_t k = 0; k < i; ++k)
    if (expected[k] == '\n') ++line, lineStart = k + 1;
  auto excerpt = [&](std::string_view text) {
    std::size_t end = text.find('\n', lineStart);
    std::string shown(text.substr(std::min(lineStart, text.size()),
                                  end == std::string_view::npos ? std::string_view::npos : end - lineStart));
    std::string escaped;
    for (char c : shown) {
      if (c == '\r')
        escaped += "\\r";
      else
        escaped += c;
    }
    return escaped;
  };
  std::ostringstream out;
  out << "sizes " << actual.size() << " (actual) and " << expected.size() << " (golden); first difference at byte " << i
      << ", line " << line << ", column " << (i - lineStart + 1) << "\n  actual: [" << excerpt(actual)
      << "]\n  golden: [" << excerpt(expected) << "]";
  return out.str();
}

void expectBytesMatchGolden(std::string_view actualBytes, std::string_view fixtureName) {
  const fs::path golden = fixturesDir() / std::string(fixtureName);
  if (const char* update = std::getenv("BRIVANT_UPDATE_GOLDEN"); update && std::string(update) == "1") {
    writeBytes(golden, actualBytes);
    return;
  }
  ASSERT_TRUE(fs::exists(golden)) << "missing golden file " << golden;
  const std::string expected = readBytes(golden);
  if (actualBytes != expected)
    ADD_FAILURE() << "output differs from " << fixtureName << ": " << describeDifference(actualBytes, expected);
}

void expectMatchesGolden(const fs::path& actual, std::string_view fixtureName) {
  ASSERT_TRUE(fs::exists(actual)) << "missing output " << actual;
  expectBytesMatchGolden(readBytes(actual), fixtureName);
}

}  // namespace brivant::testing
