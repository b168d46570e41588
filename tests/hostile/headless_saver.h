#pragma once
// The saver window run headless, as the real program runs it but with the
// compositor in memory, silent sound, no desktop and a clock the test moves:
// load, frames and second ticks, then a key.

#include <cstdint>
#include <string>
#include <vector>

#include "settings/settings.h"

namespace aerolark::hostile {

struct SaverOutcome {
  bool loaded = false;           // the load returned with the run still going
  bool endedOnKey = false;       // the key ended the run
  bool cursorShownAgain = false;
  bool saverRunningCleared = false;
  bool soundSilent = false;      // nothing left playing at the end
  int exitStatus = -1;
  std::uint64_t frames = 0;
  int spritesShown = 0;          // distinct colours in the last frame, a rough "something drawn"
  std::vector<std::string> messages;
};

// `installFolder` ends with '/'.
SaverOutcome RunHeadlessSaver(Settings& settings, const std::string& installFolder,
                              int frames = 400, int seconds = 3);

}  // namespace aerolark::hostile
