#include "core/MissingFile.h"

#include "core/LogFile.h"
#include "core/SettingsKeys.h"
#include "platform/Diagnostics.h"
#include "platform/TextFile.h"

namespace brivant {

QString runtimeErrorMessage(const FileError& error) {
  Diagnostics::fileError(error);
  return QStringLiteral("Erreur N° ") + QString::number(error.number);
}

Status Initialiser(SettingsStore& store, const std::filesystem::path& programDir, std::string_view callsign) {
  if (Status saved = Settings::save(store, Settings::Common::StationCallsign, callsign, callsign); !saved) return saved;
  if (Status saved = Settings::save(store, Settings::Common::StationLocator, callsign,
                                    Settings::Common::StationLocatorAfterValidation);
      !saved)
    return saved;
  const std::filesystem::path log = logFilePath(programDir, callsign);
  if (TextFile::exists(log)) return {};
  return TextFile::writeLines(log, {});
}

}  // namespace brivant
