#pragma once
// Whether a prefix or departement file is whole: the station templates
// "FXXXX_Prefixe.txt" and "FXXXX_Departement.txt", and the tallies of a
// station made from them.  A damaged one (cut short, a line shifted or lost)
// is never used: the rebuild and the reset keep every file as it is, and a
// backup keeps its good copy.

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace brivant {

// A template holds no contact: every flag is "0".  A station's tally flags
// the levels "0" to "4".
enum class TallyRole { Template, Station };

// A prefix file: exactly PrefixLine::TemplateBytes long, every line ended by
// CR LF and laid out as "PREFX  <17 flags>  MAIN   Entity name" (the prefix
// in columns 1-5, the flags from column 8, the main prefix in columns 27-32,
// the name from column 34).
bool prefixFileIsWhole(std::string_view bytes, TallyRole role);

// A departement file: every line ended by CR LF and laid out as
// "59 <17 flags> Name", one line for each departement of metropolitan France
// (01 to 95, Corsica as 2A and 2B in place of 20), each once.
bool deptFileIsWhole(std::string_view bytes, TallyRole role);

// The station templates of the program folder that fail their checks, by
// name.  A template that cannot be read is not listed: whoever uses it reports
// it missing.
std::vector<std::string> damagedTemplates(const std::filesystem::path& programDir);

// A station's file made from the template of that name (the station files
// of core/Station.h) that fails the checks of its kind.  The log, and a file
// that cannot be read, are not judged.
bool stationFileIsDamaged(std::string_view templateName, const std::filesystem::path& file);

// What the windows say of a damaged file, in the interface language: the
// rebuild kept the tallies; the reset was not made; the backup of a damaged
// tally was kept.
QString damagedTemplateRebuildMessage(bool french, std::string_view templateName);
QString damagedTemplateResetMessage(bool french, std::string_view templateName);
QString damagedTallyBackupMessage(bool french, std::string_view fileName, std::string_view backupName);

}  // namespace brivant
