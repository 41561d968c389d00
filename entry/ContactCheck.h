#pragma once
// The check of a whole contact before it is written to the log: every field
// as its own Enter checks it when the contact is typed, in the order of
// entry, and then that the log line can hold it.  The save runs it before any
// file is touched; a contact read from elsewhere (an imported file) goes
// through the same check.  No widget and no file is involved.

#include <QString>
#include <optional>
#include <string>

#include "core/DateText.h"
#include "core/QsoRecord.h"
#include "entry/EntryRules.h"

namespace brivant {

// What the fields alone do not tell.
struct ContactCheckContext {
  // The DXCC prefix of the contacted station, as the entry found it
  // (EntryPrefix; empty for a station of no known prefix).  It decides
  // whether the station is French (departement, castle reference, castle
  // activation).  Nothing when it was not looked up, as for an edited
  // contact: a castle whose reference is stored "DFCF " + number is then
  // French, any other station is not held to the French rules.
  std::optional<std::string> prefix;
  // The reference is given as the log stores it ("DFCF " already in front of
  // a French castle's number), as an edited contact's QTH_A holds it; else it
  // is the typed number and the record puts "DFCF " in front when the
  // station's prefix asks for it.
  bool referenceAsStored = false;
  // The end time is stamped from the clock when the contact is saved: the
  // text given is not looked at.
  bool endTimeStamped = false;
};

// The first field refused: which one, and the message its own Enter shows.
struct ContactRefusal {
  std::string QsoFields::*field = nullptr;
  EntryMessage entry = EntryMessage::None;           // the field's message, or
  DateTimeProblem dateTime = DateTimeProblem::None;  // a date or time message
  std::string departement;                           // for Q3: the departement the reference must match
};

// The first refusal, or nothing when the contact can be written.  The date
// and the start time come first with the messages of their form; then the
// fields in the order of entry: band, mode, callsign, departement, locator,
// activity, end time, the two reports, first name, castle reference, castle
// name.  A contact that passes always makes a log line.
std::optional<ContactRefusal> checkContact(const QsoFields& contact, const ContactCheckContext& context);

// The refusal's message in the interface language.
QString contactRefusalMessage(const ContactRefusal& refusal, bool french);

}  // namespace brivant
