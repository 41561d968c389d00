#pragma once
// The two lists shared by every station: the callsign directory
// "Nomenclature.txt" (departement and locator of a callsign) and the
// first-name list "Liste_Prenom.txt" (departement and first name).

#include <QString>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/Result.h"

namespace brivant {

// The callsign directory holds callsigns of at most this many characters.
inline constexpr std::size_t DirectoryCallWidth = 10;

inline constexpr std::string_view DirectoryFileName = "Nomenclature.txt";
inline constexpr std::string_view FirstNameFileName = "Liste_Prenom.txt";

struct DirectoryEntry {
  std::string departement;  // "" when not found; a single digit comes back with a "0" in front
  std::string locator;      // "" when not found
};

// The directory's departement and locator of a callsign.  A missing or
// unreadable directory is an empty result, as is a callsign it does not hold.
DirectoryEntry Cherche_Nomenclature(const std::filesystem::path& programDir, std::string_view call);

// The directory line of a callsign: callsign to column 11, departement to 3
// characters, locator.
std::string directoryLine(std::string_view call, std::string_view dept, std::string_view locator);

// Replaces the callsign's line(s) by the new one, or appends it, through
// "Temporaire5.txt" in one atomic replacement; a missing directory is created.
// A callsign over 10 characters or a departement over 2 has no room in the
// layout and could not be found again: nothing is written for it.
Status MAJ_Nomenclature(const std::filesystem::path& programDir, std::string_view call, std::string_view dept,
                        std::string_view locator);

struct FirstNameEntry {
  bool found = false;       // false: FirstNameMissing
  std::string departement;  // columns 14-15 as they are (Depart_A)
  std::string firstName;    // from column 17, upper-cased and trimmed (Prenom_A)
};

// The last line of the list for the callsign.  An unreadable or missing list
// is an error the window turns into firstNameListMessage.
Result<FirstNameEntry> Cherche_Prenom(const std::filesystem::path& programDir, std::string_view call);

// "Attention il vous faut le fichier 'Liste_Prenom.txt'" /
// "Caution you need the file 'Liste_Prenom.txt'".
QString firstNameListMessage(bool french);

// The list line of a contact: callsign and a blank to 13 characters,
// departement to 3, first name upper-cased (Windows-1252 letters).
std::string firstNameLine(std::string_view call, std::string_view dept, std::string_view firstName);

// Stores a list line, keeping one line per callsign: the callsign's first line
// is replaced, any later line for it dropped, and the line appended when the
// list had none.  The content decides, not firstNameMissing (which may come
// from the lookup of another contact, or from a list that could not be read):
// the flag is accepted for the caller's convenience only.  A missing list is
// created.  Written through "Temporaire.txt" in one atomic replacement.
Status Ajoute_Prenom(const std::filesystem::path& programDir, std::string_view line, bool firstNameMissing);

// The departement each callsign of the two lists is known in, read once for
// many callsigns: the first-name list's last line for the callsign, as the
// entry offers it, else the directory's.  Missing lists know nothing.
class KnownDepartements {
 public:
  explicit KnownDepartements(const std::filesystem::path& programDir);
  std::string of(std::string_view call) const;  // "" when neither list knows it

 private:
  std::unordered_map<std::string, std::string> departements_;
};

}  // namespace brivant
