#include "entry/EntryRules.h"

#include "core/Bands.h"
#include "core/Language.h"
#include "platform/Cp1252.h"

namespace brivant {

namespace {

QString text1252(std::string_view bytes) { return Cp1252::toQString(bytes); }

// " deja contactée sur 14 Mhz a 10:15 en SSB" and its English form.
QString whereAndWhen(bool french, const LoggedContact& logged) {
  return pick(french, " deja contactée sur ", " already contacted on ") + text1252(logged.band) +
         pick(french, " a ", " at ") + text1252(logged.start) + pick(french, " en ", " in ") + text1252(logged.mode);
}

}  // namespace

bool isFrenchPrefix(std::string_view prefix) {
  for (std::string_view french : FrenchPrefixes)
    if (prefix == french) return true;
  return false;
}

QString entryMessageText(EntryMessage message, bool french, std::string_view departement) {
  switch (message) {
    case EntryMessage::None:
      return {};
    case EntryMessage::B1:
      return pick(french, "Attention vous ne pouver selectionner que les bandes proposées",
                  "Caution You can only select the bands proposed");
    case EntryMessage::M1:
      return pick(french, "Attention le mode doit etre uniquement SSB ou CW ", "Attention mode must be only SSB or CW");
    case EntryMessage::I1:
      return pick(french, "Attention vous devez entrer un indicatif", "Please you must enter a callsign");
    case EntryMessage::I2:
      return pick(french, "Attention 12 caracteres maxi pour l'indicatif",
                  "Caution 12 characters maximum for the callsign");
    case EntryMessage::D1:
      return pick(french, "Attention le n° de departement est obligatoire pour la France",
                  "Caution number of department is mandatory for France");
    case EntryMessage::D2:
      return pick(french, "Attention 2 caracteres pour le departement", "Caution 2 characters for the department");
    case EntryMessage::A1:
      return pick(french, "Attention l'activité doit etre uniquement CHATEAUX ou QSO ",
                  "Caution activity must be only CHATEAU or QSO");
    case EntryMessage::A2:
      return QStringLiteral("Selectionnez 'QSO' pour un Chateau etranger");
    case EntryMessage::R1:
      return pick(french, "Attention le report recu est obligatoire", "Caution the report received is required");
    case EntryMessage::R2:
      return pick(french, "Attention 8 caracteres maxi pour le report reçu",
                  "Caution 8 characters maximum for the report received");
    case EntryMessage::S1:
      return pick(french, "Attention le report envoyé est obligatoire", "Caution the report sent is required");
    case EntryMessage::S2:
      return pick(french, "Attention 8 caracteres maxi pour le report envoyé",
                  "Caution 8 characters maximum for the report sent");
    case EntryMessage::P1:
      return pick(french, "Attention 15 caracteres maxi pour le prénom", "Caution 15 characters maximum for the name");
    case EntryMessage::Q1:
      return pick(french, "Attention la reference du Chateau est obligatoire", "Caution Castle Reference is required");
    case EntryMessage::Q2:
      return pick(french,
                  "            5 caracteres pour un chateau Francais ex: 59045\r\n"
                  "Pour un chateau etranger la reference complete ex: DCI UD116",
                  "              5 characters for a French castle ex: 59045\r\n"
                  "Complete reference for a foreigner Castel ex: DCI UD116");
    case EntryMessage::Q3:
      return pick(french, "Attention le n° du chateau ne correspond pas au departement ",
                  "Beware the number of the castle does not match the number of department ") +
             text1252(departement);
    case EntryMessage::Q4:
      return pick(french, "Attention 15 caracteres maxi pour la reference du Chateau",
                  "Caution 15 characters maximum for the Castle Reference");
    case EntryMessage::C1:
      return pick(french, "Attention 30 caracteres maxi pour le nom du Chateau",
                  "Caution maximum 30 characters for the name of the Castel");
    case EntryMessage::LocatorLength:
      return pick(french, "Attention 6 caracteres maxi pour le locator",
                  "Caution 6 characters maximum for the locator");
    case EntryMessage::Unwritable:
      return pick(french, "Attention ce QSO ne peut pas etre ecrit dans le log",
                  "Caution this QSO cannot be written in the log");
  }
  return {};
}

EntryMessage checkBand(std::string_view band) {
  const Band* known = bandOfLabel(band);
  return known != nullptr && known->acceptedInEntry ? EntryMessage::None : EntryMessage::B1;
}

EntryMessage checkMode(std::string_view mode) {
  return modeOfLabel(mode) != nullptr ? EntryMessage::None : EntryMessage::M1;
}

EntryMessage checkCallsign(std::string_view callsign) {
  if (callsign.empty() || callsign == "\r\n") return EntryMessage::I1;
  if (callsign.size() > EntryLimits::Callsign) return EntryMessage::I2;
  return EntryMessage::None;
}

EntryMessage checkDepartement(std::string_view departement) {
  if (departement.empty()) return EntryMessage::D1;
  if (departement.size() > EntryLimits::Departement) return EntryMessage::D2;
  return EntryMessage::None;
}

EntryMessage checkActivity(std::string_view activity, std::string_view entryPrefix) {
  if (activity != CastleActivityLabel && activity != ContactActivityLabel) return EntryMessage::A1;
  if (activity == CastleActivityLabel && !isFrenchPrefix(entryPrefix)) return EntryMessage::A2;
  return EntryMessage::None;
}

EntryMessage checkRstReceived(std::string_view report) {
  if (report.empty()) return EntryMessage::R1;
  if (report.size() > EntryLimits::Report) return EntryMessage::R2;
  return EntryMessage::None;
}

EntryMessage checkRstSent(std::string_view report) {
  if (report.empty()) return EntryMessage::S1;
  if (report.size() > EntryLimits::Report) return EntryMessage::S2;
  return EntryMessage::None;
}

EntryMessage checkFirstName(std::string_view firstName) {
  return firstName.size() > EntryLimits::FirstName ? EntryMessage::P1 : EntryMessage::None;
}

EntryMessage checkReference(std::string_view reference, bool castle, std::string_view entryPrefix,
                            std::string_view departementText) {
  if (castle) {
    if (reference.empty()) return EntryMessage::Q1;
    if (isFrenchPrefix(entryPrefix)) {
      if (reference.size() != EntryLimits::FrenchReference) return EntryMessage::Q2;
      // Compared in capitals: Corsica's field shows "2a" while its castles
      // are numbered "2A...".
      if (Cp1252::upperAscii(reference.substr(0, 2)) != Cp1252::upperAscii(departementText)) return EntryMessage::Q3;
    }
  }
  if (reference.size() > EntryLimits::Reference) return EntryMessage::Q4;
  return EntryMessage::None;
}

EntryMessage checkCastleName(std::string_view castleName) {
  return castleName.size() > EntryLimits::CastleName ? EntryMessage::C1 : EntryMessage::None;
}

QString callsignDuplicateMessage(bool french, std::string_view callsignText, const LoggedContact& logged) {
  return text1252(callsignText) + QStringLiteral("  ") + text1252(logged.reference) + whereAndWhen(french, logged);
}

QString referenceDuplicateMessage(bool french, const LoggedContact& logged) {
  return text1252(logged.reference) + whereAndWhen(french, logged);
}

QString contactedOnCaption(std::string_view date) { return QStringLiteral("Contacté le ") + text1252(date); }

QString newCallsignCaption(bool french) { return pick(french, "Nouvel indicatif", "New callsign"); }

QString callsignRestCaption() { return QStringLiteral("Indicatif"); }

QString newPrefixQuestion(bool french, std::string_view prefix, std::string_view entityName) {
  return pick(french, " Valider le nouveau prefixe DXCC : ", "Validate new DXCC prefix : ") + text1252(prefix) +
         QStringLiteral("  ") + text1252(entityName) + QStringLiteral(" ?");
}

QString newDepartementMessage(bool french, std::string_view shownDepartement, std::string_view name) {
  return pick(french, "Nouveau département le ", "New department ") + text1252(shownDepartement) + QLatin1Char(' ') +
         text1252(name);
}

QString castleNameCaption(bool french, bool castle) {
  if (castle) return pick(french, "Nom du Chateau (optionel)", "Name of Castle (Option)");
  return pick(french, "QTH (optionel)", "QTH (option)");
}

QString unencodableCharacterMessage(bool french, const QString& character) {
  return pick(french, "Ce caractère ne peut pas être enregistré : ", "This character cannot be saved: ") + character;
}

std::string defaultReport(std::string_view mode) {
  // A mode the table does not know starts with the three-figure report.
  const Mode* known = modeOfLabel(mode);
  return std::string(known != nullptr ? known->defaultReport : "599");
}

std::optional<std::string> pointsOfBand(std::string_view band) {
  const Band* known = bandOfLabel(band);
  if (known == nullptr || known->scoreWeight == 0) return std::nullopt;
  return std::to_string(known->scoreWeight);
}

DepartementEntry departementOfField(std::string_view text) {
  DepartementEntry entry{std::string(text), std::string(text)};
  if (text == "2A" || text == "2a") entry = {"2a", "96"};
  if (text == "2B" || text == "2b") entry = {"2b", "97"};
  return entry;
}

std::string shownDepartement(std::string_view entryDept) {
  if (entryDept == "96") return "2a";
  if (entryDept == "97") return "2b";
  return std::string(entryDept);
}

}  // namespace brivant
