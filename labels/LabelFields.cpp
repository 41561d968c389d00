#include "labels/LabelFields.h"

#include "core/Language.h"
#include "entry/EntryRules.h"
#include "platform/Cp1252.h"

namespace brivant {

const LabelFieldRule& labelFieldRule(LabelField field) {
  static constexpr std::array<LabelFieldRule, LabelFields.size()> Rules{{
      {12, true, false, "12 caracteres maxi", "Numero de l'activité obligatoire"},
      {30, false, false, "30 caracteres maxi", "Nom de l'activité obligatoire"},
      {4, true, false, "4 caracteres maxi", "Numero du Canton obligatoire"},
      {5, true, false, "5 caracteres maxi", "Numero du code postal obligatoire"},
      {26, false, false, "26 caracteres maxi", "Nom de la commune obligatoire"},
      {40, false, true, "40 caracteres maxi", nullptr},
      {15, false, true, "15 caracteres maxi", nullptr},
  }};
  return Rules[static_cast<std::size_t>(field)];
}

QString withoutEndBlanks(const QString& text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && text.at(begin) == u' ') ++begin;
  while (end > begin && text.at(end - 1) == u' ') --end;
  return text.mid(begin, end - begin);
}

std::optional<QString> checkLabelField(LabelField field, const QString& text, bool french) {
  const LabelFieldRule& rule = labelFieldRule(field);
  const QString trimmed = withoutEndBlanks(text);
  if (static_cast<std::size_t>(trimmed.size()) > rule.maximum) return QString::fromUtf8(rule.tooLong);
  if (!rule.mayBeEmpty && trimmed.isEmpty()) return QString::fromUtf8(rule.empty);
  if (const std::optional<QString> character = Cp1252::firstUnencodable(trimmed)) {
    return unencodableCharacterMessage(french, *character);
  }
  return std::nullopt;
}

std::optional<QString> checkAntennaForPrint(const QString& antenna) {
  if (static_cast<std::size_t>(withoutEndBlanks(antenna).size()) > labelFieldRule(LabelField::Antenne).maximum)
    return QStringLiteral("15 caracteres maxi pour l'antenne");
  return std::nullopt;
}

std::optional<QString> checkSomethingToPrint(std::size_t contacts, LabelType type, bool french) {
  if (contacts == 0) return pick(french, "Aucun contact sélectionné", "No contact selected");
  if (type == LabelType::None) {
    return pick(french, "Aucun type d'étiquette choisi : individuel ou château",
                "No label type chosen: individual or castle");
  }
  return std::nullopt;
}

}  // namespace brivant
