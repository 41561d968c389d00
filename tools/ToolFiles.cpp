#include "tools/ToolFiles.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace brivant::tools {

std::string readWholeFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw std::runtime_error("error while reading " + file.string());
  return bytes;
}

void writeWholeFile(const std::filesystem::path& file, std::string_view bytes) {
  std::filesystem::path temporary = file;
  temporary += ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) throw std::runtime_error("cannot write " + temporary.string());
  }
  std::error_code error;
  std::filesystem::rename(temporary, file, error);
  if (error) throw std::runtime_error("cannot replace " + file.string() + ": " + error.message());
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
