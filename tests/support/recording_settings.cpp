#include "support/recording_settings.h"

namespace aerolark::testing {

WriteStatus RecordingSettings::WriteSetting(std::string_view section, std::string_view key,
                                            std::string_view value) {
  if (failWrites) return {false, "the folder is read-only"};
  writes.push_back({std::string(section), std::string(key), std::string(value)});
  values_.Set(section, key, value);
  return {};
}

std::vector<std::string> RecordingSettings::WritesOf(Key key) const {
  std::vector<std::string> values;
  for (const RecordedWrite& w : writes) {
    IniDocument one;  // matches the names as the store does
    one.Set(w.section, w.key, w.value);
    if (auto value = one.Find(Declaration(key).section, Declaration(key).name)) values.push_back(*value);
  }
  return values;
}

}  // namespace aerolark::testing
