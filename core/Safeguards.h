#pragma once
// What the program says when one of its files or its settings cannot be
// trusted or written (another copy holds the folder, a settings file that
// cannot be read, a write that failed, a torn or damaged log line), and the
// saving of a setting that says so when it fails.

#include <QString>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "core/AppState.h"
#include "core/SettingsKeys.h"
#include "platform/Result.h"
#include "platform/SettingsStore.h"

namespace brivant {

struct SettingWrite;

// The interface language the settings give, when it can be known: French
// when the stored station's "Langue" is "Fr", English otherwise.  Nothing
// when no station callsign that names files is stored (a first install, an
// unreadable or refused one).
std::optional<bool> storedFrench(const SettingsStore& store);

// The text in the language, or both texts (French first) when the language
// cannot be known.
QString inLanguage(std::optional<bool> french, const char* frenchText, const char* englishText);

// Another running copy of the program holds the program folder.
QString alreadyOpenMessage(std::optional<bool> french);
// The program folder could not be made or locked; the error goes into the
// diagnostic log.
QString programFolderFailure(std::optional<bool> french, const std::filesystem::path& folder, const FileError& error);
// The settings file was kept aside under the name aside: renamed when it
// could not be read at all, copied when only some of its lines are damaged.
QString settingsKeptAsideMessage(std::optional<bool> french, const std::filesystem::path& aside, bool unreadable);
// The settings file can neither be used nor kept aside: the program ends
// rather than overwrite it.
QString settingsNotKeptAsideMessage(std::optional<bool> french, const FileError& error);

// A settings write that failed, with its run-time number and the settings
// file's name; the error goes into the diagnostic log.
QString settingsWriteFailure(bool french, const FileError& error, const std::filesystem::path& settingsFile);
// Saves a value of the station's settings and, when that fails, says so in
// the interface language.  True when it was saved.
bool saveSetting(AppState& state, const Settings::Key& key, std::string_view value);
bool saveSettingBool(AppState& state, const Settings::Key& key, bool value);
// Several values in one write, all or none, said the same way.
bool saveSettings(AppState& state, const std::vector<SettingWrite>& writes);

// The stored station callsign cannot name files: the Station window opens.
QString refusedCallsignMessage(bool french);
// The stored event date is not a real date dd/mm/yy: it is asked for.
QString jncDatePrompt(bool french);

// The last line of the station's log had no line end (a write cut short) and
// was set aside in its side file, never to become a contact.
QString tornLogLineMessage(bool french, const std::filesystem::path& programDir, std::string_view callsign);
// Lines of the station's log hold bytes a record never holds, or are far
// longer than a record; the log is left as it is.
QString damagedLogLinesMessage(bool french, std::string_view callsign, std::size_t count);

}  // namespace brivant
