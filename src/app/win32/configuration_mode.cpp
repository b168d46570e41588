#include "app/win32/configuration_mode.h"

#include "setup/win32/win32_setup_entry.h"

namespace aerolark {

int RunConfigurationMode(Settings& settings, const std::string& installFolder) {
  return RunWin32SetupDialog(settings, installFolder);
}

}  // namespace aerolark
