#pragma once
// Saving the map as a PNG picture: the name offered and the name written.

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace brivant {

// callsign + "_Carte_" + band without its blanks + "_" + mode + ".png".
std::string mapPictureName(std::string_view call, std::string_view band, std::string_view mode);

// The chosen name, with ".png" added when it does not end so (any case).
std::filesystem::path withPngSuffix(const std::filesystem::path& chosen);

// The confirmation once the picture is written.
QString mapPictureSavedMessage(bool french, const std::filesystem::path& target);

}  // namespace brivant
