#include "app/mode_actions.h"

#include <string>
#include <utility>

#include "app/backends.h"
#include "app/preview_mode.h"

namespace aerolark {

StartupActions SharedModeActions(const SaverLaunch& launch,
                                 std::function<bool()> anotherInstanceRunning) {
  StartupActions actions;
  actions.anotherInstanceRunning = std::move(anotherInstanceRunning);
  actions.topLevelWindowExists = [](const std::string& title) {
    return ChoosePlatform(true)->TopLevelWindowExists(title);
  };
  actions.hostWindowGiven = launch.placement.hostWindow.has_value();
  actions.runSaver = [launch] { return RunSaverMode(launch); };
  actions.runPreview = [folder = launch.installFolder](ForeignWindow parent) {
    return RunPreviewMode(parent, folder);
  };
  return actions;
}

}  // namespace aerolark
