#pragma once
// An in-memory settings store that records every write, in order; it keeps
// its values as a settings file does, so names match without regard to case.

#include <optional>
#include <string>
#include <vector>

#include "settings/conversions.h"
#include "settings/ini_document.h"
#include "settings/setting_keys.h"

namespace aerolark::testing {

struct RecordedWrite {
  std::string section, key, value;
  bool operator==(const RecordedWrite&) const = default;
};

class RecordingSettings final : public Settings {
 public:
  std::string ReadSetting(std::string_view section, std::string_view key,
                          std::string_view fallback) override {
    return values_.Find(section, key).value_or(std::string(fallback));
  }
  WriteStatus WriteSetting(std::string_view section, std::string_view key,
                           std::string_view value) override {
    if (failWrites) return {false, "the folder is read-only"};
    writes.push_back({std::string(section), std::string(key), std::string(value)});
    values_.Set(section, key, value);
    return {};
  }

  // Stores a value without recording it, as a hand edit would.
  void Put(Key key, std::string_view value) {
    values_.Set(Declaration(key).section, Declaration(key).name, value);
  }
  std::optional<std::string> Stored(Key key) const {
    return values_.Find(Declaration(key).section, Declaration(key).name);
  }
  // The values written under `key`, in order.
  std::vector<std::string> WritesOf(Key key) const {
    const SettingDeclaration& wanted = Declaration(key);
    std::vector<std::string> values;
    for (const RecordedWrite& w : writes) {
      if (EqualsIgnoringCase(w.section, wanted.section) && EqualsIgnoringCase(w.key, wanted.name)) {
        values.push_back(w.value);
      }
    }
    return values;
  }
  // Every value, as its settings file would hold them.
  std::string Text() const { return values_.Serialize(); }

  std::vector<RecordedWrite> writes;
  bool failWrites = false;

 private:
  IniDocument values_;
};

}  // namespace aerolark::testing
