#include "app/win32/configuration_mode.h"

#include "app/win32/notice_box.h"
#include "settings/win32/registry_settings_store.h"

namespace aerolark {

// Until the settings dialog comes to Windows, the user is told where the
// settings live.
int RunConfigurationMode(Settings&, const std::string&) {
  ShowNotice("Aerolark's settings are kept in the registry, under HKEY_CURRENT_USER\\" +
             std::string(RegistrySettingsStore::kDefaultKey) +
             " (keys Startup and System). Change them there with the Registry Editor; "
             "the screen saver reads them when it next starts.");
  return 0;
}

}  // namespace aerolark
