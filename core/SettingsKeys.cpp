#include "core/SettingsKeys.h"

#include <charconv>

namespace brivant::Settings {

namespace {

constexpr std::string_view SectionPrefix = "Setup ";

int defaultNumber(const Key& key) {
  int value = 0;
  std::from_chars(key.defaultValue.data(), key.defaultValue.data() + key.defaultValue.size(), value);
  return value;
}

}  // namespace

std::string sectionName(Section section, std::string_view stationCall) {
  std::string name(SectionPrefix);
  if (section == Section::Station) name += stationCall;
  return name;
}

std::string getText(const SettingsStore& store, const Key& key, std::string_view stationCall) {
  return getText(store, key, stationCall, key.defaultValue);
}

std::string getText(const SettingsStore& store, const Key& key, std::string_view stationCall,
                    std::string_view defaultValue) {
  return store.get(Application, sectionName(key.section, stationCall), key.name, defaultValue);
}

bool getBool(const SettingsStore& store, const Key& key, std::string_view stationCall) {
  return store.getBool(Application, sectionName(key.section, stationCall), key.name, key.defaultValue == "True");
}

int getInt(const SettingsStore& store, const Key& key, std::string_view stationCall) {
  return getInt(store, key, stationCall, defaultNumber(key));
}

int getInt(const SettingsStore& store, const Key& key, std::string_view stationCall, int defaultValue) {
  return store.getInt(Application, sectionName(key.section, stationCall), key.name, defaultValue);
}

Status save(SettingsStore& store, const Key& key, std::string_view stationCall, std::string_view value) {
  return store.save(Application, sectionName(key.section, stationCall), key.name, value);
}

Status saveBool(SettingsStore& store, const Key& key, std::string_view stationCall, bool value) {
  return store.saveBool(Application, sectionName(key.section, stationCall), key.name, value);
}

}  // namespace brivant::Settings
