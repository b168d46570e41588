#include "app/module1.h"

#include "app/command_line.h"

namespace aerolark {
namespace {

// A second saver start ends at once, unless the desktop's screen saver
// settings are open: their "Preview" starts the saver while their own /p
// preview still runs. Older Windows title that window "Display Properties";
// the 64-bit ones "Screen Saver Settings".
bool SettingsWindowOpen(const StartupActions& actions) {
  return actions.topLevelWindowExists("Display Properties") ||
         actions.topLevelWindowExists("Screen Saver Settings");
}

bool SecondSaverMustEnd(std::string_view switchText, const StartupActions& actions) {
  return switchText == "/s" && !actions.hostWindowGiven && actions.anotherInstanceRunning() &&
         !SettingsWindowOpen(actions);
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
