#include "platform/ProgramDir.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "platform/TextFile.h"

namespace brivant::ProgramDir {

namespace {

// An XDG variable counts only when it holds an absolute path.
std::optional<fs::path> xdgFolder(const char* variable) {
  const char* value = std::getenv(variable);
  if (!value || !*value) return std::nullopt;
  fs::path folder(value);
  if (!folder.is_absolute()) return std::nullopt;
  return folder;
}

fs::path homeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return fs::path(home);
  if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) return fs::path(entry->pw_dir);
  return fs::temp_directory_path();
}

bool isFolder(const fs::path& folder) {
  std::error_code ec;
  return fs::is_directory(folder, ec);
}

FileError errorOf(const std::error_code& ec, const fs::path& path) {
  return FileError{TextFile::errorNumberOf(ec.value()), path.string(), ec.message()};
}

bool isStaleTemporaryName(std::string_view name) {
  constexpr std::size_t kSuffix = 7;  // ".XXXXXX"
  if (name.size() < 1 + 1 + kSuffix || name.front() != '.') return false;
  if (name[name.size() - kSuffix] != '.') return false;
  for (std::size_t i = name.size() - kSuffix + 1; i < name.size(); ++i) {
    const char c = name[i];
    const bool alphanumeric = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!alphanumeric) return false;
  }
  return true;
}

}  // namespace

fs::path defaultDataFolder() {
  const auto base = xdgFolder("XDG_DATA_HOME");
  return (base ? *base : homeFolder() / ".local" / "share") / "Brivant";
}

fs::path defaultSettingsFolder() {
  const auto base = xdgFolder("XDG_CONFIG_HOME");
  return (base ? *base : homeFolder() / ".config") / "Brivant";
}

fs::path defaultStateFolder() {
  const auto base = xdgFolder("XDG_STATE_HOME");
  return (base ? *base : homeFolder() / ".local" / "state") / "Brivant";
}

fs::path shippedDataFolder(const fs::path& executableFolder) {
  const fs::path installed = (executableFolder / ".." / "share" / "brivant").lexically_normal();
  if (isFolder(installed)) return installed;
  return executableFolder / "data";
}

fs::path installedDataFolder() {
  std::error_code ec;
  const fs::path executable = fs::read_symlink("/proc/self/exe", ec);
  return shippedDataFolder(ec ? fs::current_path(ec) : executable.parent_path());
}

Result<int> seed(const fs::path& programDir, const fs::path& shippedData) {
  std::error_code ec;
  fs::create_directories(programDir, ec);
  if (ec) return errorOf(ec, programDir);
  if (!isFolder(programDir)) return FileError{PathFileAccessError, programDir.string(), "not a folder"};
  if (!isFolder(shippedData)) return FileError{FileNotFound, shippedData.string(), "no shipped data"};

  int copied = 0;
  fs::recursive_directory_iterator it(shippedData, ec);
  if (ec) return errorOf(ec, shippedData);
  for (const fs::recursive_directory_iterator end; it != end; it.increment(ec)) {
    if (ec) return errorOf(ec, shippedData);
    const fs::path relative = it->path().lexically_relative(shippedData);
    const fs::path target = programDir / relative;
    if (it->is_directory(ec)) {
      fs::create_directories(target, ec);
      if (ec) return errorOf(ec, target);
      continue;
    }
    if (!it->is_regular_file(ec)) continue;
    // The operator's files are never overwritten, even by a newer shipped copy.
    if (fs::exists(fs::symlink_status(target, ec))) continue;
    if (Status copy = TextFile::copy(it->path(), target); !copy) return copy.error();
    ++copied;
  }
  if (ec) return errorOf(ec, shippedData);
  return copied;
}

int removeStaleTemporaries(const fs::path& programDir) {
  int removed = 0;
  std::error_code ec;
  for (fs::directory_iterator it(programDir, ec), end; !ec && it != end; it.increment(ec)) {
    if (!isStaleTemporaryName(it->path().filename().string())) continue;
    std::error_code typeError;
    if (!fs::is_regular_file(fs::symlink_status(it->path(), typeError))) continue;
    if (fs::remove(it->path(), typeError)) ++removed;
  }
  return removed;
}

}  // namespace brivant::ProgramDir
