#include "platform/linux/instance_registry.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <memory>

#include "platform/linux/speaker_lock.h"
#include "support/files.h"

namespace aerolark {
namespace {

// (A registration left by a killed saver: tests/program/startup_modes_test.sh.)
TEST(InstanceRegistry, SeesOthersOnTheSameDisplayOnly) {
  const testing::TempFolder temp;
  auto first = std::make_unique<InstanceRegistry>(temp.path(), ":0");
  EXPECT_FALSE(first->anotherWasRunning());
  auto second = std::make_unique<InstanceRegistry>(temp.path(), ":0");
  EXPECT_TRUE(second->anotherWasRunning());
  InstanceRegistry elsewhere(temp.path(), ":1");
  EXPECT_FALSE(elsewhere.anotherWasRunning());
  first.reset();
  second.reset();
  InstanceRegistry third(temp.path(), ":0");
  EXPECT_FALSE(third.anotherWasRunning());
}

TEST(SpeakerLock, OneSaverPlaysAndAnotherTakesOverWhenItEnds) {
  const testing::TempFolder temp;
  auto first = std::make_unique<SpeakerLock>(temp.path(), ":0");
  SpeakerLock second(temp.path(), ":0");
  SpeakerLock otherDisplay(temp.path(), ":1");
  EXPECT_TRUE(first->TryHold());
  EXPECT_TRUE(first->TryHold());
  EXPECT_FALSE(second.TryHold());
  EXPECT_TRUE(otherDisplay.TryHold());
  first.reset();
  EXPECT_TRUE(second.TryHold());
}

TEST(InstanceRegistry, AnInstanceStuckWhileRegisteringDoesNotStopLaterStarts) {
  const testing::TempFolder temp;
  InstanceRegistry first(temp.path(), ":0");
  int guard = ::open((temp.path() / "_0.guard").c_str(), O_RDWR | O_CLOEXEC);
  ASSERT_GE(guard, 0);
  ASSERT_EQ(::flock(guard, LOCK_EX), 0);
  InstanceRegistry second(temp.path(), ":0");
  EXPECT_TRUE(second.anotherWasRunning());
  ::close(guard);
}

}  // namespace
}  // namespace aerolark
