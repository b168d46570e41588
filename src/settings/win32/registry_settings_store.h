#pragma once
// The settings store on Windows: REG_SZ values under
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\Aerolark\<section>,
// the conventional place for programs of this kind, so settings of an
// earlier installation carry over. The registry matches key and value names
// without regard to case. No Windows header here.

#include <map>
#include <string>
#include <string_view>

#include "settings/settings.h"

namespace aerolark {

class RegistrySettingsStore final : public Settings {
 public:
  static constexpr std::string_view kDefaultKey = "Software\\VB and VBA Program Settings\\Aerolark";

  // `key`: the application's key under HKEY_CURRENT_USER (UTF-8).
  explicit RegistrySettingsStore(std::string key = std::string(kDefaultKey));
  ~RegistrySettingsStore() override;
  RegistrySettingsStore(const RegistrySettingsStore&) = delete;
  RegistrySettingsStore& operator=(const RegistrySettingsStore&) = delete;

  // A value of another type than text reads as missing, except a number
  // (REG_DWORD, REG_QWORD), which reads as its decimal text. A text without
  // its terminator, or with a stray odd byte, reads up to the last whole
  // character; text after an embedded NUL is not part of the value.
  std::string ReadSetting(std::string_view section, std::string_view key,
                          std::string_view fallback) override;
  // Refuses, with the reason, text that is not UTF-8 or holds a NUL
  // character: the registry could not give it back unchanged.
  WriteStatus WriteSetting(std::string_view section, std::string_view key,
                           std::string_view value) override;

 private:
  // Section keys opened for reading, kept open: the saver reads three values
  // for every scene it composes.
  void* OpenedForReading(std::string_view section);
  void ForgetOpened(std::string_view section);

  std::string key_;
  std::map<std::string, void*, std::less<>> opened_;
};

}  // namespace aerolark
