#pragma once
// Whole-file reads and writes for the data generators.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace brivant::tools {

// Throws std::runtime_error when the file cannot be read.
std::string readWholeFile(const std::filesystem::path& file);
// Writes beside the target and renames over it, so a failed run never leaves
// a half-written data file.  Throws std::runtime_error on failure.
void writeWholeFile(const std::filesystem::path& file, std::string_view bytes);

// The frame of every generator's main: with exactly `arguments` arguments runs
// `work` on them (argv + 1), else prints the usage; an exception becomes an
// error message.  Returns the exit code.
int runGenerator(int argc, char** argv, int arguments, std::string_view usage,
                 const std::function<void(char** args)>& work);

}  // namespace brivant::tools
