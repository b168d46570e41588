#include "app/module1.h"

#include "app/command_line.h"

namespace aerolark {
namespace {

// A second saver start ends at once, unless the desktop's display settings
// are open (they start the saver to show it while one may already run).
bool SecondSaverMustEnd(std::string_view switchText, const StartupActions& actions) {
  return switchText == "/s" && !actions.hostWindowGiven && actions.anotherInstanceRunning() &&
         !actions.topLevelWindowExists("Display Properties");
}

}  // namespace

int Main(const std::string& argumentText, const StartupActions& actions) {
  if (SecondSaverMustEnd(SwitchOf(argumentText), actions)) return 0;
  switch (ModeOfArgumentText(argumentText)) {
    case Mode::Saver:
      return actions.runSaver();
    case Mode::Preview:
      return actions.runPreview(static_cast<ForeignWindow>(ParentWindowOf(argumentText)));
    case Mode::Configuration:
      return actions.runConfiguration();
    case Mode::Password:
      return actions.runPasswordChange();
    case Mode::None:
      break;
  }
  return actions.answerOtherSwitch();
}

}  // namespace aerolark
