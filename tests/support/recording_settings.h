#pragma once
// An in-memory settings store that records every write, in order; names
// match without regard to case, as in the real stores.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "settings/setting_keys.h"

namespace aerolark::testing {

struct RecordedWrite {
  std::string section, key, value;
  bool operator==(const RecordedWrite&) const = default;
};

class RecordingSettings final : public Settings {
 public:
  std::string ReadSetting(std::string_view section, std::string_view key,
                          std::string_view fallback) override;
  WriteStatus WriteSetting(std::string_view section, std::string_view key,
                           std::string_view value) override;

  // Stores a value without recording it, as a hand edit would.
  void Put(Key key, std::string_view value);
  std::optional<std::string> Stored(Key key) const;
  // The values written under `key`, in order.
  std::vector<std::string> WritesOf(Key key) const;
  std::map<std::string, std::string> Snapshot() const { return values_; }

  std::vector<RecordedWrite> writes;
  bool failWrites = false;

 private:
  std::map<std::string, std::string> values_;  // "section/key" in lower case
};

}  // namespace aerolark::testing
