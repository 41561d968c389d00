#include "platform/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace brivant::TextFile {

namespace {

using testing::Step;

testing::FaultHook& faultHook() {
  static testing::FaultHook hook;
  return hook;
}

const char* stepName(Step step) {
  switch (step) {
    case Step::Open:
      return "open";
    case Step::Write:
      return "write";
    case Step::Flush:
      return "flush";
    case Step::Close:
      return "close";
    case Step::Rename:
      return "rename";
  }
  return "?";
}

bool isRuntimeNumber(int value) {
  return value == FileNotFound || value == DeviceIoError || value == DiskFull || value == PermissionDenied ||
         value == PathFileAccessError;
}

FileError systemError(int errnoValue, const fs::path& file, const char* what) {
  return FileError{errorNumberOf(errnoValue), file.string(), std::string(what) + ": " + std::strerror(errnoValue)};
}

// The failure a test asked for at this step, if any.
std::optional<FileError> injected(Step step, const fs::path& file) {
  const auto& hook = faultHook();
  if (!hook) return std::nullopt;
  const std::optional<int> value = hook(step, file);
  if (!value) return std::nullopt;
  const int number = isRuntimeNumber(*value) ? *value : errorNumberOf(*value);
  return FileError{number, file.string(), std::string("injected fault at ") + stepName(step)};
}

// Owns a file descriptor; closes it (ignoring errors) unless released.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  int release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

std::optional<FileError> openFile(const fs::path& file, int flags, int& fd) {
  if (auto fault = injected(Step::Open, file)) return fault;
  do {
    fd = ::open(file.c_str(), flags | O_CLOEXEC, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return systemError(errno, file, "open");
  return std::nullopt;
}

// Opens a file to read and tells its size; a folder is refused (75).
std::optional<FileError> openForReading(const fs::path& file, int& fd, struct stat& info) {
  if (auto failure = openFile(file, O_RDONLY, fd)) return failure;
  std::optional<FileError> failure;
  if (::fstat(fd, &info) != 0) {
    failure = systemError(errno, file, "stat");
  } else if (S_ISDIR(info.st_mode)) {
    failure = systemError(EISDIR, file, "read");
  }
  if (failure) {
    ::close(fd);
    fd = -1;
  }
  return failure;
}

std::optional<FileError> writeFully(int fd, std::string_view bytes, const fs::path& file) {
  if (auto fault = injected(Step::Write, file)) return fault;
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return systemError(errno, file, "write");
    }
    if (written == 0) return systemError(EIO, file, "write");
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return std::nullopt;
}

std::optional<FileError> flushToDisk(int fd, const fs::path& file) {
  if (auto fault = injected(Step::Flush, file)) return fault;
  if (::fsync(fd) != 0) return systemError(errno, file, "fsync");
  return std::nullopt;
}

std::optional<FileError> closeFile(Descriptor& descriptor, const fs::path& file) {
  if (auto fault = injected(Step::Close, file)) return fault;  // the descriptor still closes itself
  // POSIX leaves the descriptor closed even when close reports an error, so
  // it is never retried.
  if (::close(descriptor.release()) != 0 && errno != EINTR) return systemError(errno, file, "close");
  return std::nullopt;
}

// Makes a rename durable.  Best effort: some file systems refuse to sync a
// folder, and the rename itself has already succeeded.
void syncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

// Writes the bytes through an already opened temporary file, flushes it and
// renames it over the target.  On any failure the temporary file is removed
// and the target is left as it was.
Status commit(Descriptor& descriptor, const fs::path& temporary, const fs::path& target, std::string_view bytes) {
  std::optional<FileError> failure = writeFully(descriptor.get(), bytes, temporary);
  if (!failure) failure = flushToDisk(descriptor.get(), temporary);
  if (!failure) failure = closeFile(descriptor, temporary);
  if (!failure) {
    failure = injected(Step::Rename, target);
    if (!failure && ::rename(temporary.c_str(), target.c_str()) != 0) failure = systemError(errno, target, "rename");
  }
  if (failure) {
    if (descriptor.get() >= 0) ::close(descriptor.release());
    ::unlink(temporary.c_str());
    return *failure;
  }
  syncFolder(target.parent_path());
  return {};
}

bool samePath(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  if (fs::equivalent(a, b, ec)) return true;
  return fs::absolute(a, ec).lexically_normal() == fs::absolute(b, ec).lexically_normal();
}

}  // namespace

int errorNumberOf(int errnoValue) {
  switch (errnoValue) {
    case ENOENT:
      return FileNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
      return PermissionDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return DiskFull;
    case EISDIR:
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EEXIST:
    case ENOTEMPTY:
    case EXDEV:
    case EBUSY:
    case EINVAL:
    case EMLINK:
    case ENXIO:
    case ENODEV:
      return PathFileAccessError;
    default:
      return DeviceIoError;
  }
}

Result<std::string> readAll(const fs::path& file) {
  int fd = -1;
  struct stat info {};
  if (auto failure = openForReading(file, fd, info)) return *failure;
  Descriptor descriptor(fd);

  // One read for the whole file; the spare byte lets the end be seen at once
  // (and the loop copes with a file that grows meanwhile).
  std::string bytes;
  bytes.resize(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 0) + 1);
  std::size_t used = 0;
  for (;;) {
    if (used == bytes.size()) bytes.resize(bytes.size() * 2);
    const ssize_t got = ::read(fd, bytes.data() + used, bytes.size() - used);
    if (got < 0) {
      if (errno == EINTR) continue;
      return systemError(errno, file, "read");
    }
    if (got == 0) break;
    used += static_cast<std::size_t>(got);
  }
  bytes.resize(used);
  return bytes;
}

Result<Lines> readLines(const fs::path& file) {
  int fd = -1;
  struct stat info {};
  if (auto failure = openForReading(file, fd, info)) return *failure;
  Descriptor descriptor(fd);

  // Read in blocks that stay in the heap rather than one buffer the size of
  // the file: a fresh multi-megabyte buffer costs more in page faults than the
  // splitting itself.  Lines are cut straight out of the block.
  constexpr std::size_t kBlock = 64 * 1024;
  const std::unique_ptr<char[]> block(new char[kBlock]);
  Lines lines;
  lines.reserve(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 0) / 128);
  std::string pending;  // the start of a line that runs into the next block
  auto withoutCr = [](const char* from, const char* to) { return (to > from && to[-1] == '\r') ? to - 1 : to; };
  for (;;) {
    const ssize_t got = ::read(fd, block.get(), kBlock);
    if (got < 0) {
      if (errno == EINTR) continue;
      return systemError(errno, file, "read");
    }
    if (got == 0) break;
    const char* p = block.get();
    const char* const end = p + got;
    while (p < end) {
      const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
      if (!lf) {
        pending.append(p, end);
        break;
      }
      if (pending.empty()) {
        lines.emplace_back(p, withoutCr(p, lf));
      } else {
        pending.append(p, lf);
        if (pending.back() == '\r') pending.pop_back();
        lines.push_back(std::move(pending));
        pending.clear();
      }
      p = lf + 1;
    }
  }
  if (!pending.empty()) {                            // a last line without its line end
    if (pending.back() == '\r') pending.pop_back();  // cut between CR and LF
    lines.push_back(std::move(pending));
  }
  return lines;
}

std::string joinLines(const Lines& lines) {
  std::size_t total = 0;
  for (const auto& line : lines) total += line.size() + 2;
  std::string bytes;
  bytes.reserve(total);
  for (const auto& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

Status writeLines(const fs::path& file, const Lines& lines) {
  int fd = -1;
  if (auto failure = openFile(file, O_WRONLY | O_CREAT | O_TRUNC, fd)) return *failure;
  Descriptor descriptor(fd);
  const std::string bytes = joinLines(lines);
  if (auto failure = writeFully(descriptor.get(), bytes, file)) return *failure;
  if (auto failure = closeFile(descriptor, file)) return *failure;
  return {};
}

Status appendLine(const fs::path& file, std::string_view line) {
  int fd = -1;
  if (auto failure = openFile(file, O_RDWR | O_CREAT | O_APPEND, fd)) return *failure;
  Descriptor descriptor(fd);
  struct stat info {};
  if (::fstat(descriptor.get(), &info) != 0) return systemError(errno, file, "stat");

  // A file whose last line lost its line end (cut short, or written by hand)
  // would glue the new line onto it: end that line first.
  std::string bytes;
  bytes.reserve(line.size() + 4);
  char last = '\n';
  if (info.st_size > 0 && ::pread(descriptor.get(), &last, 1, info.st_size - 1) == 1 && last != '\n') {
    bytes.append(last == '\r' ? "\n" : "\r\n");  // cut between CR and LF: only LF is missing
  }
  bytes.append(line).append("\r\n");
  std::optional<FileError> failure = writeFully(descriptor.get(), bytes, file);
  if (!failure) failure = flushToDisk(descriptor.get(), file);
  if (!failure) failure = injected(Step::Close, file);
  if (failure) {
    // A half-written line would corrupt the file for every later reader: cut
    // the file back to what it was.
    (void)::ftruncate(descriptor.get(), info.st_size);
    return *failure;
  }
  if (::close(descriptor.release()) != 0 && errno != EINTR) return systemError(errno, file, "close");
  return {};
}

Result<std::uintmax_t> length(const fs::path& file) {
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0) return systemError(errno, file, "stat");
  if (S_ISDIR(info.st_mode)) return systemError(EISDIR, file, "stat");
  return static_cast<std::uintmax_t>(info.st_size);
}

bool exists(const fs::path& file) {
  struct stat info {};
  return ::stat(file.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

Status copy(const fs::path& from, const fs::path& to) {
  Result<std::string> content = readAll(from);
  if (!content) return content.error();
  struct stat info {};
  const mode_t mode = ::stat(from.c_str(), &info) == 0 ? (info.st_mode & 0777) | S_IRUSR | S_IWUSR : 0644;

  const fs::path folder = to.parent_path().empty() ? fs::path(".") : to.parent_path();
  // Built step by step: GCC 12 reports a false -Wrestrict on "." + name + suffix.
  std::string hiddenName = to.filename().string();
  hiddenName.insert(hiddenName.begin(), '.');
  hiddenName += ".XXXXXX";
  std::string pattern = (folder / hiddenName).string();
  if (auto fault = injected(Step::Open, to)) return *fault;
  const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (fd < 0) return systemError(errno, to, "open");
  Descriptor descriptor(fd);
  const fs::path temporary(pattern);
  if (::fchmod(fd, mode) != 0) {
    const FileError failure = systemError(errno, temporary, "chmod");
    ::unlink(temporary.c_str());
    return failure;
  }
  return commit(descriptor, temporary, to, *content);
}

Status remove(const fs::path& file) {
  if (::unlink(file.c_str()) != 0 && errno != ENOENT) return systemError(errno, file, "delete");
  return {};
}

Status replaceAtomically(const fs::path& temporary, const fs::path& target, const Lines& lines) {
  return replaceAtomicallyBytes(temporary, target, joinLines(lines));
}

Status replaceAtomicallyBytes(const fs::path& temporary, const fs::path& target, std::string_view bytes) {
  // Writing the temporary file would truncate the target itself.
  if (samePath(temporary, target)) return systemError(EINVAL, temporary, "temporary file is the target");
  int fd = -1;
  if (auto failure = openFile(temporary, O_WRONLY | O_CREAT | O_TRUNC, fd)) return *failure;
  Descriptor descriptor(fd);
  return commit(descriptor, temporary, target, bytes);
}

namespace testing {
void setFaultHook(FaultHook hook) { faultHook() = std::move(hook); }
}  // namespace testing

}  // namespace brivant::TextFile
