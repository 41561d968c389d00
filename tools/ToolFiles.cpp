#include "tools/ToolFiles.h"

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <utility>

#include "platform/TextFile.h"

namespace brivant::tools {

std::string readWholeFile(const std::filesystem::path& file) {
  Result<std::string> bytes = TextFile::readAll(file);
  if (!bytes) throw std::runtime_error("cannot read " + file.string() + ": " + bytes.error().detail);
  return std::move(bytes).value();
}

void writeWholeFile(const std::filesystem::path& file, std::string_view bytes) {
  std::filesystem::path temporary = file;
  temporary += ".new";
  if (Status written = TextFile::replaceAtomicallyBytes(temporary, file, bytes); !written)
    throw std::runtime_error("cannot write " + file.string() + ": " + written.error().detail);
}

int runGenerator(int argc, char** argv, int arguments, std::string_view usage,
                 const std::function<void(char** args)>& work) {
  const std::string program = std::filesystem::path(argc > 0 ? argv[0] : "generator").filename().string();
  if (argc != arguments + 1) {
    std::fprintf(stderr, "usage: %s %.*s\n", program.c_str(), static_cast<int>(usage.size()), usage.data());
    return 2;
  }
  try {
    work(argv + 1);
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: %s\n", program.c_str(), error.what());
    return 1;
  }
}

}  // namespace brivant::tools
