#pragma once
// The start-up routine: applies the single-instance rule and runs the mode
// that the command line names.

#include <functional>
#include <string>

#include "platform/platform_services.h"

namespace aerolark {

// What start-up needs from the rest of the program, one function per need,
// so that the rules can be tried without windows.
struct StartupActions {
  std::function<bool()> anotherInstanceRunning;
  std::function<bool(const std::string& title)> topLevelWindowExists;
  // True when a host (XScreenSaver) hands the saver a window: it runs one saver
  // per monitor, so the single-instance rule does not apply.
  bool hostWindowGiven = false;
  std::function<int()> runSaver;
  std::function<int(ForeignWindow parent)> runPreview;
  std::function<int()> runConfiguration;
  std::function<int()> runPasswordChange;
  // Any other switch: the program ends at once, with the status this returns.
  std::function<int()> answerOtherSwitch;
};

// Returns the program's exit status.
int Main(const std::string& argumentText, const StartupActions& actions);

}  // namespace aerolark
