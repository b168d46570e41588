// Runs the settings dialog against the user's settings file, as the program's
// configuration mode does; the user session tests drive it with real input.
// Usage: aerolark_setup_driver [install-folder]

#include "settings/ini_settings_store.h"
#include "setup/qt/setup_entry.h"

int main(int argc, char** argv) {
  aerolark::IniSettingsStore store(aerolark::IniSettingsStore::DefaultPath());
  std::string installFolder = argc > 1 ? argv[1] : AEROLARK_SHARE_DIR;
  return aerolark::RunSetupDialog(store, installFolder, argc, argv);
}
