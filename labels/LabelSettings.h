#pragma once
// The label window's entries as the settings store keeps them for the
// station: read when the window opens, written when labels are printed.

#include <string>
#include <string_view>

#include "labels/LabelLines.h"
#include "labels/LabelSheets.h"
#include "platform/Result.h"
#include "platform/SettingsStore.h"

namespace brivant {

struct LabelSettings {
  // The texts as typed (UTF-8).
  std::string activityNumber;
  std::string activityName;
  std::string cantonNumber;
  std::string postCode;
  std::string town;
  std::string transceiver;
  std::string antenna;
  LabelType type = LabelType::None;
  int format = 2;                         // F_Etiquette item
  int qslOption = 1;                      // QSL item
  int verticalOffset = NoVerticalOffset;  // Ct_V index

  bool operator==(const LabelSettings&) const = default;
};

// The stored values; a number out of its list reads as the default.
LabelSettings readLabelSettings(const SettingsStore& store, std::string_view stationCall);

// Writes every value (the label type only when one is chosen); stops at the
// first that cannot be saved and returns its failure.
Status saveLabelSettings(SettingsStore& store, std::string_view stationCall, const LabelSettings& settings);

}  // namespace brivant
