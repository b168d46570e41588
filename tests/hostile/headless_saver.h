#pragma once
// The saver window run headless, as the real program runs it but with the
// compositor in memory, silent sound, no desktop and a clock the test moves:
// load, frames and second ticks, then a key.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "support/files.h"

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

// What every run must show however hostile its input: it loaded, ran all its
// frames and ended in order on the key.
inline void ExpectEndedInOrder(const SaverOutcome& outcome, std::uint64_t frames) {
  EXPECT_TRUE(outcome.loaded);
  EXPECT_EQ(outcome.frames, frames);
  EXPECT_TRUE(outcome.endedOnKey);
  EXPECT_TRUE(outcome.cursorShownAgain);
  EXPECT_TRUE(outcome.saverRunningCleared);
  EXPECT_TRUE(outcome.soundSilent);
  EXPECT_EQ(outcome.exitStatus, 0);
}

using testing::TempFolder;
using testing::ReadText;
using testing::WriteText;

}  // namespace aerolark::hostile
