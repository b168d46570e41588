#pragma once
// What every headless saver run must show however hostile its input: it
// loaded, ran all its frames and ended in order on the key.

#include <gtest/gtest.h>

#include <cstdint>

#include "hostile/headless_saver.h"

namespace aerolark::hostile {

inline void ExpectEndedInOrder(const SaverOutcome& outcome, std::uint64_t frames) {
  EXPECT_TRUE(outcome.loaded);
  EXPECT_EQ(outcome.frames, frames);
  EXPECT_TRUE(outcome.endedOnKey);
  EXPECT_TRUE(outcome.cursorShownAgain);
  EXPECT_TRUE(outcome.saverRunningCleared);
  EXPECT_TRUE(outcome.soundSilent);
  EXPECT_EQ(outcome.exitStatus, 0);
}

}  // namespace aerolark::hostile
