#pragma once
// The seven entry fields of the label window: their limits, which ones take
// capitals, and the message that refuses a text on Enter.

#include <QString>
#include <array>
#include <cstddef>
#include <optional>

#include "labels/LabelLines.h"

namespace brivant {

enum class LabelField { Num_Activ, Nom_Activite, Num_Canton, Num_CP, Nom_Commune, Rx_Tx, Antenne };
inline constexpr std::array<LabelField, 7> LabelFields{
    LabelField::Num_Activ,   LabelField::Nom_Activite, LabelField::Num_Canton, LabelField::Num_CP,
    LabelField::Nom_Commune, LabelField::Rx_Tx,        LabelField::Antenne};

struct LabelFieldRule {
  std::size_t maximum;  // characters of the blank-trimmed text
  bool capitals;        // a-z typed become A-Z
  bool mayBeEmpty;
  const char* tooLong;  // the messages (French only, UTF-8)
  const char* empty;    // nullptr when the field may be empty
};
const LabelFieldRule& labelFieldRule(LabelField field);

// The text without the blanks at its ends.
QString withoutEndBlanks(const QString& text);

// The message refusing the field's text on Enter: too long, then empty, then
// (in the interface language) a character the labels cannot print; nothing
// when the text is accepted.
std::optional<QString> checkLabelField(LabelField field, const QString& text, bool french);

// Before printing: the antenna text over its 15 characters.
std::optional<QString> checkAntennaForPrint(const QString& antenna);

// Before printing or previewing, in the interface language: no contact
// chosen, then no label type; nothing when the job has labels to print.
std::optional<QString> checkSomethingToPrint(std::size_t contacts, LabelType type, bool french);

}  // namespace brivant
