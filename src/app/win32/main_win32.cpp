// aerolark.scr: chooses the mode from the command line the desktop gives a
// screen saver, and runs it. A program of the windowing subsystem: no
// console window appears.

#include "platform/win32/windows_api.h"

#include <string>
#include <vector>

#include "app/mode_actions.h"
#include "app/command_line.h"
#include "app/environment.h"
#include "app/install_folder.h"
#include "app/win32/password_mode.h"
#include "platform/win32/session_mutex.h"
#include "settings/utf16.h"
#include "settings/win32/registry_settings_store.h"
#include "setup/win32/win32_setup_entry.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  using namespace aerolark;
  // The system hands over the command line after the program's own name.
  const std::wstring rest = commandLine != nullptr ? commandLine : L"";
  const std::vector<std::string> arguments{
      "aerolark.scr", Utf8FromUtf16(std::u16string(rest.begin(), rest.end()))};
  const ProgramEnvironment environment = ReadProgramEnvironment();
  SaverPlacement placement;
  placement.windowed = environment.windowed == "1";
  const std::string installFolder = InstallFolderFor(OwnProgramPath());
  SessionMutex instances;
  RegistrySettingsStore settings;

  StartupActions actions =
      SharedModeActions(SaverLaunch{settings, installFolder, placement, environment},
                        [&] { return instances.anotherWasRunning(); });
  actions.runConfiguration = [&] { return RunWin32SetupDialog(settings, installFolder); };
  actions.runPasswordChange = [] { return RunPasswordChangeMode(); };
  // A switch the desktop never gives ends silently, but not as a success.
  actions.answerOtherSwitch = [] { return 2; };
  return Main(ArgumentText(arguments), actions);
}
