// aerolark: chooses the mode from the command line and runs it.

#include <clocale>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/backends.h"
#include "app/command_line.h"
#include "app/environment.h"
#include "app/install_folder.h"
#include "app/module1.h"
#include "app/preview_mode.h"
#include "app/saver_mode.h"
#include "platform/instance_registry.h"
#include "settings/ini_settings_store.h"
#include "setup/qt/setup_entry.h"

int main(int argc, char** argv) {
  using namespace aerolark;
  // The clock shows the time of day in the user's usual form.
  std::setlocale(LC_ALL, "");

  const std::vector<std::string> arguments(argv, argv + argc);
  const ProgramEnvironment environment = ReadProgramEnvironment();
  const SaverPlacement placement = PlacementFrom(arguments, environment);
  const std::string installFolder = InstallFolderFor(OwnProgramPath());
  InstanceRegistry instances(InstanceRegistry::DefaultFolder(), environment.display);
  IniSettingsStore settings(IniSettingsStore::DefaultPath());

  StartupActions actions;
  actions.anotherInstanceRunning = [&] { return instances.anotherWasRunning(); };
  actions.topLevelWindowExists = [](const std::string& title) {
    return ChoosePlatform(true)->TopLevelWindowExists(title);
  };
  actions.hostWindowGiven = placement.hostWindow.has_value();
  actions.runSaver = [&] {
    return RunSaverMode(
        SaverLaunch{settings, installFolder, placement, environment});
  };
  actions.runPreview = [&](ForeignWindow parent) {
    return RunPreviewMode(parent, installFolder);
  };
  actions.runConfiguration = [&] { return RunSetupDialog(settings, installFolder, argc, argv); };
  actions.runPasswordChange = [&] { return ShowPasswordNotice(argc, argv); };
  return Main(ArgumentText(arguments), actions);
}
