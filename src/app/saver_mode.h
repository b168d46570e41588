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
  // Its trace path (empty: no trace), where the loop's figures go, and the
  // display, whose savers share one speaker.
  ProgramEnvironment environment;
};

// Runs the saver until input (or a host's SIGTERM) ends it; the exit status.
int RunSaverMode(const SaverLaunch& launch);

}  // namespace aerolark
