#pragma once
// Saver mode: the saver window on the screen the environment asks for.

#include <string>

#include "app/environment.h"
#include "settings/settings.h"

namespace aerolark {

struct SaverLaunch {
  Settings& settings;
  std::string installFolder;
  SaverPlacement placement;
  std::string tracePath;  // empty: no trace
  std::string display;    // savers on one display share one speaker
};

// Runs the saver until input (or a host's SIGTERM) ends it; the exit status.
int RunSaverMode(const SaverLaunch& launch);

}  // namespace aerolark
