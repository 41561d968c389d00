#pragma once
// Pictures of windows for reviewing the look: into the folder named by
// BRIVANT_SCREENSHOTS_DIR when it is set, else into a temporary folder; never
// into the repository.

#include <filesystem>
#include <string>

class QWidget;

namespace brivant::testing {

// The folder the pictures go to ($BRIVANT_SCREENSHOTS_DIR, created when
// missing, else fallback), and the program's own style set for them.
std::filesystem::path screenshotFolder(const std::filesystem::path& fallback);

// Saves the picture of a window as name.png in the folder and checks that it
// shows something.
void saveScreenshot(QWidget* window, const std::filesystem::path& folder, const std::string& name);

}  // namespace brivant::testing
