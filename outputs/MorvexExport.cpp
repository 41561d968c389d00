#include "outputs/MorvexExport.h"

#include "core/LogFile.h"
#include "outputs/OutputText.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

namespace brivant {

std::filesystem::path morvexFilePath(const std::filesystem::path& programDir, std::string_view stationCall) {
  return stationFilePath(programDir, stationCall, ".mvx");
}

ExportOutcome exportMorvex(const std::filesystem::path& programDir, std::string_view stationCall, bool french) {
  const std::filesystem::path log = logFilePath(programDir, stationCall);
  const std::filesystem::path target = morvexFilePath(programDir, stationCall);
  if (Status copied = TextFile::copy(log, target); !copied) {
    // The copy reads the whole log before it writes anything: an error on the
    // log itself is a reading failure.
    const bool onLog = copied.error().path == log.string();
    return {false, onLog ? outputReadFailure(french, copied.error(), log)
                         : outputWriteFailure(french, copied.error(), target)};
  }
  return {true, logCopiedMessage(french, stationCall, "mvx")};
}

}  // namespace brivant
