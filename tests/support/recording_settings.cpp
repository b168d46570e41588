#include "support/recording_settings.h"

#include <algorithm>
#include <cctype>

namespace aerolark::testing {
namespace {

std::string Slot(std::string_view section, std::string_view key) {
  std::string slot = std::string(section) + "/" + std::string(key);
  std::transform(slot.begin(), slot.end(), slot.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return slot;
}

}  // namespace

std::string RecordingSettings::ReadSetting(std::string_view section, std::string_view key,
                                           std::string_view fallback) {
  auto found = values_.find(Slot(section, key));
  return found == values_.end() ? std::string(fallback) : found->second;
}

WriteStatus RecordingSettings::WriteSetting(std::string_view section, std::string_view key,
                                            std::string_view value) {
  if (failWrites) return {false, "the folder is read-only"};
  writes.push_back({std::string(section), std::string(key), std::string(value)});
  values_[Slot(section, key)] = std::string(value);
  return {};
}

void RecordingSettings::Put(Key key, std::string_view value) {
  const SettingDeclaration& d = Declaration(key);
  values_[Slot(d.section, d.name)] = std::string(value);
}

std::optional<std::string> RecordingSettings::Stored(Key key) const {
  const SettingDeclaration& d = Declaration(key);
  auto found = values_.find(Slot(d.section, d.name));
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

std::vector<std::string> RecordingSettings::WritesOf(Key key) const {
  const SettingDeclaration& d = Declaration(key);
  std::vector<std::string> result;
  for (const RecordedWrite& w : writes) {
    if (Slot(w.section, w.key) == Slot(d.section, d.name)) result.push_back(w.value);
  }
  return result;
}

}  // namespace aerolark::testing
