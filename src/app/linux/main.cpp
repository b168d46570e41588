// aerolark: chooses the mode from the command line and runs it.

#include <chrono>
#include <clocale>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "app/mode_actions.h"
#include "app/command_line.h"
#include "app/environment.h"
#include "app/environment_variable.h"
#include "app/install_folder.h"
#include "app/linux/other_switches.h"
#include "platform/linux/instance_registry.h"
#include "platform/no_display_explanation.h"
#include "platform/x11/x11_platform.h"
#include "settings/linux/ini_settings_store.h"
#include "setup/qt/setup_entry.h"

namespace {

// Qt ends the program with a core dump where it finds no display, so the
// dialog's modes look first, as the saver does, and explain instead. A
// Wayland session or a platform the user names is left to Qt.
int WithDialogDisplay(const std::string& display, const char* switchText,
                      const std::function<int()>& run) {
  const bool reachable = !aerolark::EnvironmentVariable("QT_QPA_PLATFORM").empty() ||
                         !aerolark::EnvironmentVariable("WAYLAND_DISPLAY").empty() ||
                         aerolark::CreateX11Platform({}) != nullptr;
  if (reachable) return run();
  std::cerr << aerolark::NoDisplayExplanation(display, switchText) << '\n';
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace aerolark;
  // The clock shows the time of day in the user's usual form.
  std::setlocale(LC_ALL, "");

  const std::vector<std::string> arguments(argv, argv + argc);
  const ProgramEnvironment environment = ReadProgramEnvironment();
  const SaverPlacement placement = PlacementFrom(arguments, environment);
  const std::string installFolder = InstallFolderFor(OwnProgramPath());
  InstanceRegistry instances(InstanceRegistry::DefaultFolder(), environment.display);
  IniSettingsStore settings(IniSettingsStore::DefaultPath(), std::chrono::seconds(1));

  StartupActions actions =
      SharedModeActions(SaverLaunch{settings, installFolder, placement, environment},
                        [&] { return instances.anotherWasRunning(); });
  actions.runConfiguration = [&] {
    return WithDialogDisplay(environment.display, "/c",
                             [&] { return RunSetupDialog(settings, installFolder, argc, argv); });
  };
  actions.runPasswordChange = [&] {
    return WithDialogDisplay(environment.display, "/a",
                             [&] { return ShowPasswordNotice(argc, argv); });
  };
  actions.answerOtherSwitch = [&] { return AnswerOtherSwitch(arguments, std::cout, std::cerr); };
  return Main(ArgumentText(arguments), actions);
}
