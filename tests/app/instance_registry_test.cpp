#include "platform/instance_registry.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "support/files.h"

namespace aerolark {
namespace {

namespace fs = std::filesystem;

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

TEST(InstanceRegistry, ACrashedInstanceDoesNotBlockLaterStarts) {
  const testing::TempFolder temp;
  const fs::path& folder = temp.path();
  pid_t child = ::fork();
  if (child == 0) {
    new InstanceRegistry(folder, ":0");  // never destroyed: the process dies holding it
    ::_exit(0);
  }
  ::waitpid(child, nullptr, 0);
  InstanceRegistry next(folder, ":0");
  EXPECT_FALSE(next.anotherWasRunning());
}

}  // namespace
}  // namespace aerolark

#include "platform/speaker_lock.h"

namespace aerolark {
namespace {

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

}  // namespace
}  // namespace aerolark

#include <fcntl.h>
#include <sys/file.h>

namespace aerolark {
namespace {

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
