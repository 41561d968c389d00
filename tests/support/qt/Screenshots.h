#pragma once
// Pictures of windows for reviewing the look.  They go to the folder named by
// BRIVANT_SCREENSHOTS_DIR when it is set and to a temporary folder otherwise;
// never into the repository.

#include <filesystem>
#include <string>

#include "tests/support/TestFiles.h"

class QWidget;

namespace brivant::testing {

class ScreenshotFolder {
 public:
  // Also gives the application the look the program has (the Fusion style,
  // as app/main.cpp sets it).
  ScreenshotFolder();
  const std::filesystem::path& path() const { return path_; }

  // Saves the picture of a window as name.png and checks that it shows
  // something.
  void save(QWidget* window, const std::string& name) const;

 private:
  TempDir scratch_;
  std::filesystem::path path_;
};

}  // namespace brivant::testing
