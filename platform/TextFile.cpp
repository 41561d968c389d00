#include "platform/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "platform/Diagnostics.h"

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

// An empty path names no file (a name that could not be built): refused
// before the system would take it for the current folder.
std::optional<FileError> noFileName(const fs::path& file) {
  if (!file.empty()) return std::nullopt;
  return FileError{PathFileAccessError, {}, "no file name"};
}

std::optional<FileError> openFile(const fs::path& file, int flags, int& fd) {
  if (auto none = noFileName(file)) return none;
  if (auto fault = injected(Step::Open, file)) return fault;
  do {
    fd = ::open(file.c_str(), flags | O_CLOEXEC, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return systemError(errno, file, "open");
  return std::nullopt;
}

// A named pipe, socket or device where a data file should be: treated as a
// missing file (53), since reading it would wait forever or read garbage.
FileError notRegular(const fs::path& file) { return FileError{FileNotFound, file.string(), "not a regular file"}; }

// Which files a step accepts besides regular files: data is only ever read
// from regular files; written output may also go to a device (/dev/null).
enum class Accept { RegularOnly, RegularOrDevice };

// What an opened descriptor is, as a failure when it is not a file to use:
// a folder is refused with 75, a pipe or socket (or a device, to read) with 53.
std::optional<FileError> checkKind(int fd, const fs::path& file, struct stat& info, Accept accept) {
  if (::fstat(fd, &info) != 0) return systemError(errno, file, "stat");
  if (S_ISDIR(info.st_mode)) return systemError(EISDIR, file, "read");
  if (S_ISREG(info.st_mode)) return std::nullopt;
  const bool device = S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode);
  if (device && accept == Accept::RegularOrDevice) return std::nullopt;
  return notRegular(file);
}

// Opens a file without waiting (a named pipe with no writer would block the
// open itself) and checks what it is; the descriptor is then switched back to
// blocking reads and writes.
std::optional<FileError> openRegular(const fs::path& file, int flags, int& fd, struct stat& info,
                                     Accept accept = Accept::RegularOnly) {
  // A pipe opened for writing without a reader fails rather than blocks: tell
  // it apart first, so that it is refused like any other pipe.
  if (struct stat before{};
      ::stat(file.c_str(), &before) == 0 && (S_ISFIFO(before.st_mode) || S_ISSOCK(before.st_mode)))
    return notRegular(file);
  if (auto failure = openFile(file, flags | O_NONBLOCK, fd)) return failure;
  std::optional<FileError> failure = checkKind(fd, file, info, accept);
  if (!failure) {
    const int current = ::fcntl(fd, F_GETFL);
    if (current < 0 || ::fcntl(fd, F_SETFL, current & ~O_NONBLOCK) != 0) failure = systemError(errno, file, "fcntl");
  }
  if (failure) {
    ::close(fd);
    fd = -1;
  }
  return failure;
}

// Opens a file to read and tells its size.
std::optional<FileError> openForReading(const fs::path& file, int& fd, struct stat& info) {
  return openRegular(file, O_RDONLY, fd, info);
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
// and the target is left as it was.  The new file keeps the permissions of
// the file it replaces.
Status commit(Descriptor& descriptor, const fs::path& temporary, const fs::path& target, std::string_view bytes) {
  std::optional<FileError> failure;
  if (struct stat old{}; ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    if (::fchmod(descriptor.get(), old.st_mode & 07777) != 0) failure = systemError(errno, temporary, "chmod");
  }
  if (!failure) failure = writeFully(descriptor.get(), bytes, temporary);
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

// The file a replacement must land on: a symbolic link is followed to the
// file it names (the operator put the log elsewhere on purpose), so that the
// link stays a link.  A dangling link is replaced by a file, as before.
fs::path landingPath(const fs::path& target) {
  std::error_code ec;
  if (!fs::is_symlink(fs::symlink_status(target, ec))) return target;
  const fs::path resolved = fs::canonical(target, ec);
  return ec ? target : resolved;
}

// A hidden temporary file beside the target, created exclusively.
std::optional<FileError> openHiddenTemporary(const fs::path& target, int& fd, fs::path& temporary) {
  if (auto none = noFileName(target)) return none;
  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  // Built step by step: GCC 12 reports a false -Wrestrict on "." + name + suffix.
  std::string hiddenName = target.filename().string();
  hiddenName.insert(hiddenName.begin(), '.');
  hiddenName += ".XXXXXX";
  std::string pattern = (folder / hiddenName).string();
  if (auto fault = injected(Step::Open, target)) return fault;
  fd = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (fd < 0) return systemError(errno, target, "open");
  temporary = fs::path(pattern);
  return std::nullopt;
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

Status readInPieces(const fs::path& file, std::size_t pieceBytes, const PieceTaker& take) {
  int fd = -1;
  struct stat info {};
  if (auto failure = openForReading(file, fd, info)) return *failure;
  Descriptor descriptor(fd);
  const auto total = static_cast<std::uintmax_t>(info.st_size > 0 ? info.st_size : 0);
  std::string piece(std::max<std::size_t>(pieceBytes, 1), '\0');
  std::uintmax_t done = 0;
  for (;;) {
    const ssize_t got = ::read(fd, piece.data(), piece.size());
    if (got < 0) {
      if (errno == EINTR) continue;
      return systemError(errno, file, "read");
    }
    if (got == 0) return {};
    done += static_cast<std::uintmax_t>(got);
    if (!take(std::string_view(piece.data(), static_cast<std::size_t>(got)), done, total)) return {};
  }
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
  struct stat info {};
  if (auto failure = openRegular(file, O_WRONLY | O_CREAT, fd, info, Accept::RegularOrDevice)) return *failure;
  Descriptor descriptor(fd);
  if (S_ISREG(info.st_mode) && ::ftruncate(descriptor.get(), 0) != 0) return systemError(errno, file, "truncate");
  const std::string bytes = joinLines(lines);
  if (auto failure = writeFully(descriptor.get(), bytes, file)) return *failure;
  if (auto failure = closeFile(descriptor, file)) return *failure;
  return {};
}

Status appendLine(const fs::path& file, std::string_view line) {
  int fd = -1;
  struct stat info {};
  if (auto failure = openRegular(file, O_RDWR | O_CREAT | O_APPEND, fd, info, Accept::RegularOrDevice)) return *failure;
  Descriptor descriptor(fd);

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
    // the file back to what it was (the readers set a torn line aside, should
    // even that fail).
    if (::ftruncate(descriptor.get(), info.st_size) != 0)
      Diagnostics::fileError(systemError(errno, file, "ftruncate"), "cutting back a half-written line");
    return *failure;
  }
  if (::close(descriptor.release()) != 0 && errno != EINTR) return systemError(errno, file, "close");
  return {};
}

Result<std::uintmax_t> length(const fs::path& file) {
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0) return systemError(errno, file, "stat");
  if (S_ISDIR(info.st_mode)) return systemError(EISDIR, file, "stat");
  if (!S_ISREG(info.st_mode)) return notRegular(file);
  return static_cast<std::uintmax_t>(info.st_size);
}

bool exists(const fs::path& file) {
  struct stat info {};
  return ::stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

Result<std::optional<std::string>> setAsideTornLastLine(const fs::path& file, const fs::path& sideFile) {
  int fd = -1;
  struct stat info {};
  if (auto failure = openRegular(file, O_RDWR, fd, info)) return *failure;
  Descriptor descriptor(fd);
  if (info.st_size == 0) return std::optional<std::string>();
  // The tail after the last LF, read backwards in blocks (a torn record is
  // short, but a damaged file may hold one long line).
  constexpr off_t kBlock = 4096;
  off_t end = info.st_size;
  std::string tail;
  for (;;) {
    const off_t from = end > kBlock ? end - kBlock : 0;
    std::string block(static_cast<std::size_t>(end - from), '\0');
    if (::pread(descriptor.get(), block.data(), block.size(), from) != static_cast<ssize_t>(block.size()))
      return systemError(errno ? errno : EIO, file, "read");
    const std::size_t lf = block.rfind('\n');
    if (lf != std::string::npos) {
      tail.insert(0, block.substr(lf + 1));
      end = from + static_cast<off_t>(lf) + 1;
      break;
    }
    tail.insert(0, block);
    end = from;
    if (from == 0) break;
  }
  if (tail.empty()) return std::optional<std::string>();
  // The fragment is kept first, then cut from the file: a crash in between
  // leaves it in both places, never in neither.
  std::string kept = tail;
  if (!kept.empty() && kept.back() == '\r') kept.pop_back();
  if (Status saved = appendLine(sideFile, kept); !saved) return saved.error();
  if (auto fault = injected(Step::Write, file)) return *fault;
  if (::ftruncate(descriptor.get(), end) != 0) return systemError(errno, file, "truncate");
  if (auto failure = flushToDisk(descriptor.get(), file)) return *failure;
  return std::optional<std::string>(std::move(kept));
}

Status copy(const fs::path& from, const fs::path& to) {
  Result<std::string> content = readAll(from);
  if (!content) return content.error();
  struct stat info {};
  const mode_t mode = ::stat(from.c_str(), &info) == 0 ? (info.st_mode & 0777) | S_IRUSR | S_IWUSR : 0644;

  const fs::path landing = landingPath(to);
  int fd = -1;
  fs::path temporary;
  if (auto failure = openHiddenTemporary(landing, fd, temporary)) return *failure;
  Descriptor descriptor(fd);
  // A new copy takes the source's permissions; a replaced file keeps its own
  // (commit applies them).
  if (::fchmod(descriptor.get(), mode) != 0) {
    const FileError failure = systemError(errno, temporary, "chmod");
    ::unlink(temporary.c_str());
    return failure;
  }
  return commit(descriptor, temporary, landing, *content);
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
  const fs::path landing = landingPath(target);
  if (landing != target && landing.parent_path() != temporary.parent_path()) {
    // A link to another folder, perhaps another file system: the fixed
    // temporary could not be renamed there, a hidden one beside it can.
    int fd = -1;
    fs::path hidden;
    if (auto failure = openHiddenTemporary(landing, fd, hidden)) return *failure;
    Descriptor descriptor(fd);
    return commit(descriptor, hidden, landing, bytes);
  }
  int fd = -1;
  if (auto failure = openFile(temporary, O_WRONLY | O_CREAT | O_TRUNC, fd)) return *failure;
  Descriptor descriptor(fd);
  return commit(descriptor, temporary, landing, bytes);
}

namespace {

// One file of replaceTogether on its way: the file replaced (a symbolic link
// followed), its new content ready beside it, and a copy of its old content
// (none when it did not exist).
struct Staged {
  fs::path landing;
  fs::path fresh;
  fs::path old;
};

// Writes the bytes into a new hidden temporary file beside the target, with
// the given permissions, flushed to disk when asked.
std::optional<FileError> writeHidden(const fs::path& target, std::string_view bytes, mode_t mode, bool flush,
                                     fs::path& written) {
  int fd = -1;
  if (auto failure = openHiddenTemporary(target, fd, written)) return failure;
  Descriptor descriptor(fd);
  std::optional<FileError> failure;
  if (::fchmod(descriptor.get(), mode) != 0) failure = systemError(errno, written, "chmod");
  if (!failure) failure = writeFully(descriptor.get(), bytes, written);
  if (!failure && flush) failure = flushToDisk(descriptor.get(), written);
  if (!failure) failure = closeFile(descriptor, written);
  if (failure) {
    ::unlink(written.c_str());
    written.clear();
  }
  return failure;
}

// Makes one file ready: its new content, then a copy of its old one.
std::optional<FileError> stage(const Replacement& file, Staged& staged) {
  staged.landing = landingPath(file.target);
  struct stat old {};
  const bool existed = ::stat(staged.landing.c_str(), &old) == 0;
  if (existed && S_ISDIR(old.st_mode)) return systemError(EISDIR, staged.landing, "replace");
  if (existed && !S_ISREG(old.st_mode)) return notRegular(staged.landing);
  const mode_t mode = existed ? old.st_mode & 07777 : 0644;
  if (auto failure = writeHidden(staged.landing, file.bytes, mode, true, staged.fresh)) return failure;
  if (!existed) return std::nullopt;
  Result<std::string> oldBytes = readAll(staged.landing);
  if (!oldBytes) return oldBytes.error();
  return writeHidden(staged.landing, *oldBytes, mode, false, staged.old);
}

void removeHidden(const std::vector<Staged>& staged) {
  for (const Staged& file : staged) {
    if (!file.fresh.empty()) ::unlink(file.fresh.c_str());
    if (!file.old.empty()) ::unlink(file.old.c_str());
  }
}

}  // namespace

Status replaceTogether(const std::vector<Replacement>& files) {
  std::vector<Staged> staged(files.size());
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (auto failure = stage(files[i], staged[i])) {
      removeHidden(staged);
      return *failure;
    }
  }
  for (std::size_t i = 0; i < staged.size(); ++i) {
    std::optional<FileError> failure = injected(Step::Rename, staged[i].landing);
    if (!failure && ::rename(staged[i].fresh.c_str(), staged[i].landing.c_str()) != 0)
      failure = systemError(errno, staged[i].landing, "rename");
    if (!failure) {
      staged[i].fresh.clear();
      continue;
    }
    // Put back what was replaced, newest first: the old contents are renamed
    // over the new ones, and a file that did not exist goes again.
    for (std::size_t back = i; back-- > 0;) {
      Staged& done = staged[back];
      if (done.old.empty()) {
        ::unlink(done.landing.c_str());
      } else {
        // A copy that cannot be put back stays beside the file, not lost.
        (void)::rename(done.old.c_str(), done.landing.c_str());
        done.old.clear();
      }
    }
    removeHidden(staged);
    return *failure;
  }
  removeHidden(staged);
  for (const Staged& file : staged) syncFolder(file.landing.parent_path());
  return {};
}

namespace testing {
void setFaultHook(FaultHook hook) { faultHook() = std::move(hook); }
}  // namespace testing

}  // namespace brivant::TextFile
