#pragma once
// Line-oriented text files with CR LF ends, and atomic replacement.
//
// Only regular files are data files: a named pipe, socket or device in place
// of one is refused as missing (53) rather than waited on, and a folder with
// 75.  A replaced file keeps its permissions, and a symbolic link keeps
// pointing at the file it names, which is the one replaced.  An empty path
// names no file: every operation on it fails (75) and touches nothing.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Result.h"

namespace brivant::TextFile {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// Every line of the file without its line end.  CR LF and bare LF both end a
// line; a last line without an end still counts; NUL bytes are kept as data;
// an empty file gives no lines.  Missing file: error 53.
Result<Lines> readLines(const fs::path& file);

// The whole content as bytes.
Result<std::string> readAll(const fs::path& file);

// Reads the file from its start in pieces of at most pieceBytes, handing each
// to take with the bytes read so far (this piece included) and the file's
// length when it was opened; take returns false to stop reading there.  Only
// one piece is held at a time.  Missing file: error 53.
using PieceTaker = std::function<bool(std::string_view piece, std::uintmax_t done, std::uintmax_t total)>;
Status readInPieces(const fs::path& file, std::size_t pieceBytes, const PieceTaker& take);

// The lines as file bytes, each followed by CR LF.
std::string joinLines(const Lines& lines);

// Writes the lines, each followed by CR LF, truncating the file (not atomic:
// for outputs; data files use replaceAtomically).
Status writeLines(const fs::path& file, const Lines& lines);

// Appends one line and CR LF, creating the file when absent, and flushes it to
// disk before returning.  When the file's last line has no line end, CR LF is
// written first so that the two lines stay apart.  On failure the file is cut
// back to its old length: never half a line.
Status appendLine(const fs::path& file, std::string_view line);

// Length in bytes; error 53 when missing.
Result<std::uintmax_t> length(const fs::path& file);

// Whether a regular file of that name is there.
bool exists(const fs::path& file);

// A last line without its line end is a write that was cut short (the program
// ended during an append): it is moved, as one line, to the end of sideFile,
// and the file is cut back to the end of its last whole line.  Returns the
// fragment (without line end) when there was one.  The file's complete lines
// are never touched.
Result<std::optional<std::string>> setAsideTornLastLine(const fs::path& file, const fs::path& sideFile);

// Copies a file over another, atomically (through a hidden temporary file in
// the target's folder): the target is either the old or the new content.
Status copy(const fs::path& from, const fs::path& to);

// Deletes a file; deleting a missing file is not an error.
Status remove(const fs::path& file);

// Writes the lines (CR LF after each) into the temporary file under its fixed
// name (for example "Temporaire.txt" in the program folder), flushes it to disk,
// then renames it over the target.  A failure at any step leaves the old
// target untouched and removes the temporary file.
Status replaceAtomically(const fs::path& temporary, const fs::path& target, const Lines& lines);

// The same for raw bytes.
Status replaceAtomicallyBytes(const fs::path& temporary, const fs::path& target, std::string_view bytes);

// One file of a change made to several files at once: its new content.
struct Replacement {
  fs::path target;
  std::string bytes;
};

// Replaces several files as one change.  Every new content is first written
// and flushed to a hidden temporary file beside its target, and the old
// content of each target kept aside; only then are they renamed over their
// targets, in order.  A failure while preparing leaves every target as it
// was; a failure while renaming puts back the targets already replaced (a
// target that did not exist is removed again).  The hidden files are gone
// afterwards either way.
Status replaceTogether(const std::vector<Replacement>& files);

// The run-time error number of a system errno: 53 file not found, 70
// permission denied, 61 disk full, 75 path/file access error, 57 device I/O
// error (EIO and anything unexpected).
int errorNumberOf(int errnoValue);

// Test hook: fault injection.  The hook is asked before each step (Open for
// reading too) with the file of that step; returning a value makes that step
// fail as if the system had failed it.  The value is an errno (ENOSPC, EACCES,
// ...), mapped like a real failure; the run-time numbers 53, 57, 61, 70 and 75
// are also accepted and used as they are.  Tests only.
namespace testing {
enum class Step { Open, Write, Flush, Close, Rename };
using FaultHook = std::function<std::optional<int>(Step, const fs::path&)>;
void setFaultHook(FaultHook hook);  // an empty hook removes it
}  // namespace testing

}  // namespace brivant::TextFile
