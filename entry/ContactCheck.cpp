#include "entry/ContactCheck.h"

#include "core/Bands.h"

namespace brivant {

namespace {

constexpr std::string_view DfcfPrefix = "DFCF ";

// Collects the first refusal, in the order the checks are made.
class FirstRefusal {
 public:
  void entry(std::string QsoFields::*field, EntryMessage message, std::string departement = {}) {
    if (found_ || message == EntryMessage::None) return;
    found_ = ContactRefusal{field, message, DateTimeProblem::None, std::move(departement)};
  }
  void dateTime(std::string QsoFields::*field, DateTimeProblem problem) {
    if (found_ || problem == DateTimeProblem::None) return;
    found_ = ContactRefusal{field, EntryMessage::None, problem, {}};
  }
  bool any() const { return found_.has_value(); }
  std::optional<ContactRefusal> result() && { return std::move(found_); }

 private:
  std::optional<ContactRefusal> found_;
};

// The activity's label by its index ("0" QSO, "1" CHATEAU); empty for any
// other text, which the activity's check refuses.
std::string_view activityLabel(std::string_view index) {
  for (std::size_t i = 0; i < Activities.size(); ++i)
    if (index == std::to_string(i)) return Activities[i];
  return {};
}

// Whether the station is held to the French rules.
bool frenchStation(const QsoFields& contact, const ContactCheckContext& context) {
  if (context.prefix) return isFrenchPrefix(*context.prefix);
  return context.referenceAsStored && contact.qth.starts_with(DfcfPrefix);
}

// QTH_A's checks on its text.  A stored French castle reference is checked
// by its number, as it was typed.
EntryMessage referenceProblem(const QsoFields& contact, const ContactCheckContext& context, bool castle, bool french) {
  std::string_view reference = contact.qth;
  if (context.referenceAsStored && reference.starts_with(DfcfPrefix)) reference.remove_prefix(DfcfPrefix.size());
  return checkReference(reference, castle, french ? std::string_view(FrenchPrefixes.front()) : std::string_view(),
                        contact.departement);
}

// The line the contact makes, as the save builds it.
bool makesALogLine(const QsoFields& contact, const ContactCheckContext& context, bool castle) {
  QsoFields line = contact;
  if (context.endTimeStamped) line.end = "00:00";
  line.dfcfReference =
      !context.referenceAsStored && castle && context.prefix && takesDfcfPrefix(CastleActivityLabel, *context.prefix);
  return buildQsoRecord(line).has_value();
}

}  // namespace

std::optional<ContactRefusal> checkContact(const QsoFields& c, const ContactCheckContext& context) {
  using F = QsoFields;
  FirstRefusal first;
  if (Verif_Date(c.date) != 0) first.dateTime(&F::date, DateTimeProblem::DateForm);
  if (Verif_Heure(c.start) != 0) first.dateTime(&F::start, DateTimeProblem::TimeForm);

  first.entry(&F::band, checkBand(c.band));
  first.entry(&F::mode, checkMode(c.mode));
  first.entry(&F::callsign, checkCallsign(c.callsign));
  const bool french = frenchStation(c, context);
  // The entry asks the departement of a station whose prefix is "F" and
  // checks it for every French prefix; the log has room for two characters.
  if (context.prefix && *context.prefix == FrenchPrefixes.front())
    first.entry(&F::departement, checkDepartement(c.departement));
  if (c.departement.size() > EntryLimits::Departement) first.entry(&F::departement, EntryMessage::D2);
  if (c.locator.size() > EntryLimits::Locator) first.entry(&F::locator, EntryMessage::LocatorLength);
  const std::string_view activity = activityLabel(c.activity);
  // Without a prefix looked up, a castle abroad cannot be told from one at home.
  const bool castleAllowed = french || !context.prefix;
  first.entry(&F::activity, checkActivity(activity, castleAllowed ? FrenchPrefixes.front() : std::string_view()));
  if (!context.endTimeStamped) first.dateTime(&F::end, checkEndField(c.end));
  first.entry(&F::rstReceived, checkRstReceived(c.rstReceived));
  first.entry(&F::rstSent, checkRstSent(c.rstSent));
  first.entry(&F::firstName, checkFirstName(c.firstName));
  const bool castle = activity == CastleActivityLabel;
  first.entry(&F::qth, referenceProblem(c, context, castle, french), c.departement);
  first.entry(&F::castleName, checkCastleName(c.castleName));
  if (!first.any() && !makesALogLine(c, context, castle)) first.entry(nullptr, EntryMessage::Unwritable);
  return std::move(first).result();
}

QString contactRefusalMessage(const ContactRefusal& refusal, bool french) {
  if (refusal.dateTime != DateTimeProblem::None) return dateTimeMessage(refusal.dateTime, french);
  return entryMessageText(refusal.entry, french, refusal.departement);
}

}  // namespace brivant
