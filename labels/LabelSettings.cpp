#include "labels/LabelSettings.h"

#include <utility>

#include "core/SettingsKeys.h"

namespace brivant {

namespace {

namespace Keys = Settings::Station;

int numberIn(const SettingsStore& store, const Settings::Key& key, std::string_view stationCall, int lowest,
             int highest, int fallback) {
  const int value = Settings::getInt(store, key, stationCall, fallback);
  return value >= lowest && value <= highest ? value : fallback;
}

}  // namespace

LabelSettings readLabelSettings(const SettingsStore& store, std::string_view stationCall) {
  const LabelSettings defaults;
  LabelSettings settings;
  settings.activityNumber = Settings::getText(store, Keys::ActivityNumber, stationCall);
  settings.activityName = Settings::getText(store, Keys::ActivityName, stationCall);
  settings.cantonNumber = Settings::getText(store, Keys::CantonNumber, stationCall);
  settings.postCode = Settings::getText(store, Keys::PostCode, stationCall);
  settings.town = Settings::getText(store, Keys::Town, stationCall);
  settings.transceiver = Settings::getText(store, Keys::LabelTransceiver, stationCall);
  settings.antenna = Settings::getText(store, Keys::Antenna, stationCall);
  const std::string type = Settings::getText(store, Keys::LabelType, stationCall);
  settings.type = type == "2" ? LabelType::Individual : type == "3" ? LabelType::Castle : LabelType::None;
  settings.format =
      numberIn(store, Keys::LabelFormat, stationCall, FirstLabelFormat, LabelFormatCount, defaults.format);
  settings.qslOption = numberIn(store, Keys::QslFormat, stationCall, 1, 3, defaults.qslOption);
  settings.verticalOffset =
      numberIn(store, Keys::VerticalCentring, stationCall, 0, VerticalOffsetCount - 1, defaults.verticalOffset);
  return settings;
}

Status saveLabelSettings(SettingsStore& store, std::string_view stationCall, const LabelSettings& settings) {
  const bool typeChosen = settings.type != LabelType::None;
  const std::pair<const Settings::Key*, std::string> values[] = {
      {&Keys::LabelTransceiver, settings.transceiver},
      {&Keys::Antenna, settings.antenna},
      {&Keys::ActivityNumber, settings.activityNumber},
      {&Keys::ActivityName, settings.activityName},
      {&Keys::CantonNumber, settings.cantonNumber},
      {&Keys::PostCode, settings.postCode},
      {&Keys::Town, settings.town},
      {typeChosen ? &Keys::LabelType : nullptr, settings.type == LabelType::Individual ? "2" : "3"},
      {&Keys::LabelFormat, std::to_string(settings.format)},
      {&Keys::QslFormat, std::to_string(settings.qslOption)},
      {&Keys::VerticalCentring, std::to_string(settings.verticalOffset)},
  };
  for (const auto& [key, value] : values) {
    if (key == nullptr) continue;
    if (Status saved = Settings::save(store, *key, stationCall, value); !saved) return saved;
  }
  return {};
}

}  // namespace brivant
