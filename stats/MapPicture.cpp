#include "stats/MapPicture.h"

#include <algorithm>

#include "core/Language.h"

namespace brivant {

std::string mapPictureName(std::string_view call, std::string_view band, std::string_view mode) {
  std::string name(call);
  name += "_Carte_";
  for (char c : band)
    if (c != ' ') name += c;
  name += '_';
  name += mode;
  name += ".png";
  return name;
}

std::filesystem::path withPngSuffix(const std::filesystem::path& chosen) {
  std::string extension = chosen.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
  if (extension == ".png") return chosen;
  std::filesystem::path named = chosen;
  named += ".png";
  return named;
}

QString mapPictureSavedMessage(bool french, const std::filesystem::path& target) {
  return pick(french, "Image enregistrée sous : ", "Picture saved as: ") + QString::fromStdString(target.string());
}

}  // namespace brivant
