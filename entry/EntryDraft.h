#pragma once
// The contact being typed in the main window: each field as the entry chain
// accepted it, what the lookups of its callsign found, and the contact an
// edit replaces.  The entry chain owns the one draft of the program and is
// the only one to change it while the operator types; Editer and Annuler
// start and end an edit in it, and the save reads it, stamps it and starts it
// again for the next contact.  Texts are Windows-1252 bytes.

#include <string>

namespace brivant {

struct EntryDraft {
  std::string EntryBand;  // the band the entry stands on ("1.8 Mhz" included)
  std::string EntryMode;
  std::string EntryCall;
  std::string EntryPrefix;
  std::string EntryMainPrefix;
  // The operator confirmed a DXCC prefix new on the band and mode.
  bool NewPrefixConfirmed = false;
  std::string EntryDept;
  std::string EntryLocator;
  std::string DirectoryDept;
  std::string DirectoryLocator;
  // The departement's flag character for the band, as its tally holds it
  // ("0": not contacted yet); empty when not found or not French.
  std::string DeptBandFlag;
  std::string EntryDate;
  std::string EntryStart;
  std::string EntryEnd;
  std::string EntryRstReceived;
  std::string EntryRstSent;
  std::string EntryFirstName;
  std::string EntryReference;
  bool FirstNameMissing = true;
  std::string QsoPoints;

  // An edit (Editer): the list line it replaces, and the locator readouts
  // of the edited contact.
  bool EntryEditing = false;
  std::string EditedLine;
  int AzimuthValue = 0;
  std::string DistanceText;

  // The last record the save wrote.
  std::string CurrentRecord;
};

}  // namespace brivant
