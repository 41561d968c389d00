#include "scoring/SaveContact.h"

#include <system_error>

#include "core/Bands.h"
#include "core/Language.h"
#include "core/LogFile.h"
#include "core/QsoRecord.h"
#include "core/Text.h"
#include "entry/DeptTally.h"
#include "entry/EntryRules.h"
#include "entry/ReferenceLists.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

namespace brivant {

namespace {

// One record line and its CR LF.
constexpr std::uintmax_t OneContactLogLength = QsoLayout::RecordLength + 2;

}  // namespace

bool logHoldsOneContact(const std::filesystem::path& programDir, std::string_view call) {
  const Result<std::uintmax_t> size = TextFile::length(logFilePath(programDir, call));
  return size && *size == OneContactLogLength;
}

QString oneContactEditMessage(bool french) {
  return pick(french, "Il doit y avoir au moins DEUX QSO d'enregistré pour pouvoir modifier le premier QSO",
              "There must be at least TWO QSO recorded to change the first QSO");
}

std::optional<QString> directoryQuestion(bool french, std::string_view entryCall, std::string_view entryDept,
                                         std::string_view directoryDept, std::string_view directoryLocator,
                                         std::string_view locatorText) {
  if (locatorText == directoryLocator && entryDept == directoryDept) return std::nullopt;
  const std::string oldDept = directoryDept.empty() ? "XX" : shownDepartement(directoryDept);
  const std::string oldLocator = directoryLocator.empty() ? "XXXXXX" : std::string(directoryLocator);
  const QString call = Cp1252::toQString(entryCall);
  return pick(french, "Remplacer ", "Replace ") + call + QStringLiteral(" Département ") + Cp1252::toQString(oldDept) +
         QStringLiteral(" Locator ") + Cp1252::toQString(oldLocator) + QStringLiteral("\r\n\r\n") +
         pick(french, "      par ", "      by ") + call + QStringLiteral(" département ") +
         Cp1252::toQString(shownDepartement(entryDept)) + QStringLiteral(" Locator ") + Cp1252::toQString(locatorText) +
         QStringLiteral(" ?");
}

bool departementFlagIsNew(std::string_view deptBandFlag) {
  // A blank or a stray character reads as 0 too.
  return !deptBandFlag.empty() && basicValue(deptBandFlag) == 0;
}

std::optional<std::string> newContactRecord(const QsoFields& contact, std::string_view entryPrefix,
                                            std::string_view qsoPoints) {
  QsoFields fields = contact;
  fields.points = qsoPoints;
  fields.marker = NewContactMarker;
  const int activity = activityIndexOf(contact);
  fields.dfcfReference = activity >= 0 && static_cast<std::size_t>(activity) < Activities.size() &&
                         takesDfcfPrefix(Activities[static_cast<std::size_t>(activity)], entryPrefix);
  return buildQsoRecord(fields);
}

std::string editedContactPoints(std::string_view band, std::string_view distance, std::string_view qsoPoints) {
  if (const std::optional<std::string> points = pointsOfBand(band)) return *points;
  if (const Band* known = bandOfLabel(band); known != nullptr && known->scoredByDistance) return std::string(distance);
  return std::string(qsoPoints);
}

std::optional<std::string> editedContactRecord(const QsoFields& contact, std::string_view editedListLine,
                                               std::string_view points) {
  QsoFields fields = contact;
  fields.dfcfReference = false;
  fields.callsign = Cp1252::upper(contact.callsign);
  fields.locator = Cp1252::upper(contact.locator);
  fields.points = points;
  fields.marker = listField(editedListLine, QsoLayout::Marker);
  return buildQsoRecord(fields);
}

ContactFileOutcome updateContactFiles(const std::filesystem::path& programDir, std::string_view call,
                                      const ContactFileJobs& jobs) {
  ContactFileOutcome outcome;
  if (jobs.firstNameLine) outcome.firstNames = Ajoute_Prenom(programDir, *jobs.firstNameLine, jobs.firstNameMissing);
  if (jobs.directory)
    outcome.directory =
        MAJ_Nomenclature(programDir, jobs.directory->call, jobs.directory->departement, jobs.directory->locator);
  if (jobs.departement) {
    const ContactFileJobs::Flag& flag = *jobs.departement;
    outcome.departement = MAJ_Fichier_Departement(programDir, call, flag.key, "1", flag.band, flag.mode);
  }
  if (jobs.prefix) {
    const ContactFileJobs::Flag& flag = *jobs.prefix;
    outcome.prefix = MAJ_Fichier_Prefixe(programDir, call, flag.key, flag.band, flag.mode);
  }
  return outcome;
}

}  // namespace brivant
