#pragma once
// The rules of Enregistrer: the directory question, the files a new contact
// updates, and the log line of a new or of an edited contact (the contact is
// checked first by entry/ContactCheck.h).  The contact is the one the entry
// form holds (its first name upper-cased).

#include <QString>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/QsoRecord.h"
#include "entry/PrefixTally.h"
#include "platform/Result.h"

namespace brivant {

// The edit of the only contact is refused (the log is then 201 bytes).
bool logHoldsOneContact(const std::filesystem::path& programDir, std::string_view call);
QString oneContactEditMessage(bool french);

// The question to replace the directory's departement and locator by the
// contact's, when either differs; nothing when they agree.
std::optional<QString> directoryQuestion(bool french, std::string_view entryCall, std::string_view entryDept,
                                         std::string_view directoryDept, std::string_view directoryLocator,
                                         std::string_view locatorText);

// DeptBandFlag asks for the departement to be flagged: not empty and of
// numeric value 0.
bool departementFlagIsNew(std::string_view deptBandFlag);

// The log line of a new contact: "DFCF " before the reference of a castle
// activation (activity "1") of a station whose prefix is "F", "TM" or "TO";
// the points of the entry; the marker of a new contact.  Nothing when a field cannot fit its column.
std::optional<std::string> newContactRecord(const QsoFields& contact, std::string_view entryPrefix,
                                            std::string_view qsoPoints);

// The points of an edited contact, by its band: the band's points, the
// distance on a band scored by distance ("144 Mhz", core/Bands.h), otherwise
// the points it had.
std::string editedContactPoints(std::string_view band, std::string_view distance, std::string_view qsoPoints);

// The log line of an edited contact: callsign and locator in capitals, the
// reference as the field holds it, the marker kept from the edited list line.
std::optional<std::string> editedContactRecord(const QsoFields& contact, std::string_view editedListLine,
                                               std::string_view points);

// The files a new contact updates besides the log, each only when asked for:
// the first-name list always, the directory when the operator agreed, the
// departement and prefix tallies when the entry found them new.
struct ContactFileJobs {
  struct Directory {
    std::string call;
    std::string departement;
    std::string locator;
  };
  struct Flag {
    std::string key;  // EntryDept, or EntryMainPrefix
    std::string band;
    std::string mode;
  };
  std::optional<std::string> firstNameLine;
  bool firstNameMissing = true;
  std::optional<Directory> directory;
  std::optional<Flag> departement;
  std::optional<Flag> prefix;
};

struct ContactFileOutcome {
  Status firstNames;
  Status directory;
  Status departement;
  std::optional<Result<PrefixLookup>> prefix;  // what MAJ_Fichier_Prefixe reported
};

// Runs the jobs one after the other (first names, directory, departement,
// prefix); each replaces its file atomically through its own temporary file.
ContactFileOutcome updateContactFiles(const std::filesystem::path& programDir, std::string_view call,
                                      const ContactFileJobs& jobs);

}  // namespace brivant
