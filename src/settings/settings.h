#pragma once
// The per-user settings store: text values addressed by section and key.
// Key and section names match without regard to letter case.

#include <string>
#include <string_view>

namespace aerolark {

struct WriteStatus {
  bool ok = true;
  std::string error;  // what went wrong, for a calm message to the user
};

class Settings {
 public:
  virtual ~Settings() = default;
  // The stored value, or `fallback` when none is stored.
  virtual std::string ReadSetting(std::string_view section, std::string_view key,
                                  std::string_view fallback) = 0;
  // Creates or replaces the value. A failed write leaves the old file intact.
  virtual WriteStatus WriteSetting(std::string_view section, std::string_view key,
                                   std::string_view value) = 0;
};

}  // namespace aerolark
