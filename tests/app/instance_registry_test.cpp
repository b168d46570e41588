#include "platform/instance_registry.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "platform/speaker_lock.h"
#include "support/files.h"

namespace aerolark {
namespace {

namespace fs = std::filesystem;

// (A registration left by a killed saver: tests/program/startup_modes_test.sh.)
TEST(InstanceRegistry, SeesOthersOnTheSameDisplayOnly) {
  const testing::TempFolder temp;
  const fs::path& folder = temp.path();
  auto first = std::make_unique<InstanceRegistry>(folder, ":0");
  EXPECT_FALSE(first->anotherWasRunning());
  auto second = std::make_unique<InstanceRegistry>(folder, ":0");
  EXPECT_TRUE(second->anotherWasRunning());
  InstanceRegistry elsewhere(folder, ":1");
  EXPECT_FALSE(elsewhere.anotherWasRunning());
  first.reset();
  second.reset();
  InstanceRegistry third(folder, ":0");
  EXPECT_FALSE(third.anotherWasRunning());
}

TEST(SpeakerLock, OneSaverPlaysAndAnotherTakesOverWhenItEnds) {
  const testing::TempFolder temp;
  const fs::path& folder = temp.path();
  auto first = std::make_unique<SpeakerLock>(folder, ":0");
  SpeakerLock second(folder, ":0");
  SpeakerLock otherDisplay(folder, ":1");
  EXPECT_TRUE(first->TryHold());
  EXPECT_TRUE(first->TryHold());
  EXPECT_FALSE(second.TryHold());
  EXPECT_TRUE(otherDisplay.TryHold());
  first.reset();
  EXPECT_TRUE(second.TryHold());
}

TEST(InstanceRegistry, AnInstanceStuckWhileRegisteringDoesNotStopLaterStarts) {
  const testing::TempFolder temp;
  const fs::path& folder = temp.path();
  InstanceRegistry first(folder, ":0");
  int guard = ::open((folder / "_0.guard").c_str(), O_RDWR | O_CLOEXEC);
  ASSERT_GE(guard, 0);
  ASSERT_EQ(::flock(guard, LOCK_EX), 0);
  InstanceRegistry second(folder, ":0");
  EXPECT_TRUE(second.anotherWasRunning());
  ::close(guard);
}

}  // namespace
}  // namespace aerolark
