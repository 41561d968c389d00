#include "cluster/Radio.h"

#include "cluster/RadioReadback.h"
#include "platform/RadioLink.h"
#include "platform/SerialPort.h"

namespace brivant {

bool YaesuRadio::tune(long long hertz, std::string_view mode) {
  if (!port_.isOpen()) return false;
  bool written = true;
  for (const CatBlock& block : yaesuTuningBlocks(model_, hertz / 10, mode)) {
    port_.discardInput();
    written = port_.writeBlock(std::string_view(reinterpret_cast<const char*>(block.data()), block.size())) && written;
  }
  return written;
}

bool HamlibTransceiver::tune(long long hertz, std::string_view mode) {
  return link_.tune(hertz, rigModeOf(mode, hertz));
}

std::unique_ptr<Radio> radioOfModel(std::string_view modelName, SerialPort& port) {
  if (const std::optional<YaesuModel> model = yaesuModelOf(modelName))
    return std::make_unique<YaesuRadio>(port, *model);
  return nullptr;
}

}  // namespace brivant
