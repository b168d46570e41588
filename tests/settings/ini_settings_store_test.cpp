#include "settings/linux/ini_settings_store.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "settings/ini_document.h"
#include "settings/linux/file_lock.h"
#include "support/files.h"

namespace aerolark {
namespace {

namespace fs = std::filesystem;

using testing::TempFolder;

// Creating the folder and writing a first file: every program script's first start.
// The saver reads what the dialog has just stored.
TEST(IniSettingsStore, AFileChangedByAnotherWriterIsReadAgain) {
  TempFolder folder;
  IniSettingsStore store(folder.path() / "aerolark.ini");
  store.WriteSetting("Startup", "Message", "hello");
  EXPECT_EQ(store.ReadSetting("Startup", "Message", "1"), "hello");
  IniSettingsStore dialog(store.path());
  dialog.WriteSetting("Startup", "Message", "changed");
  EXPECT_EQ(store.ReadSetting("Startup", "Message", "1"), "changed");

  // A store that looks at the file only now and then (the saver's, once a
  // second) keeps what it read until then, but sees its own writes at once.
  IniSettingsStore saver(store.path(), std::chrono::hours(1));
  EXPECT_EQ(saver.ReadSetting("Startup", "Message", "1"), "changed");
  dialog.WriteSetting("Startup", "Message", "later");
  EXPECT_EQ(saver.ReadSetting("Startup", "Message", "1"), "changed");
  EXPECT_EQ(saver.ReadSetting("System", "TuneScrSvr", "unset"), "unset");
  saver.WriteSetting("System", "TuneScrSvr", "True");
  EXPECT_EQ(saver.ReadSetting("System", "TuneScrSvr", ""), "True");
  EXPECT_EQ(saver.ReadSetting("Startup", "Message", "1"), "later");
}

TEST(IniSettingsStore, AFolderWhereTheFileShouldBeReadsDefaultsAndRefusesWrites) {
  TempFolder folder;
  fs::path file = folder.path() / "aerolark.ini";
  fs::create_directory(file);
  IniSettingsStore store(file);
  EXPECT_EQ(store.ReadSetting("Startup", "Speed", "1"), "1");
  WriteStatus status = store.WriteSetting("Startup", "Speed", "3");
  EXPECT_FALSE(status.ok);
  EXPECT_FALSE(status.error.empty());
  EXPECT_TRUE(fs::is_directory(file));
}

TEST(IniSettingsStore, TwoProcessesWritingAtOnceLoseNothing) {
  TempFolder folder;
  fs::path file = folder.path() / "aerolark.ini";
  constexpr int kKeys = 500;
  auto writer = [&](const char* prefix) {
    pid_t child = ::fork();
    if (child == 0) {
      IniSettingsStore store(file);
      for (int i = 0; i < kKeys; ++i) {
        std::string n = std::to_string(i);
        if (!store.WriteSetting("Startup", prefix + n, n).ok) ::_exit(1);
      }
      ::_exit(0);
    }
    return child;
  };
  for (pid_t child : {writer("Dialog"), writer("Saver")}) {  // both started before either is waited for
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  IniSettingsStore store(file);
  for (int i = 0; i < kKeys; ++i) {
    std::string n = std::to_string(i);
    ASSERT_EQ(store.ReadSetting("Startup", "Dialog" + n, "missing"), n);
    ASSERT_EQ(store.ReadSetting("Startup", "Saver" + n, "missing"), n);
  }
}

TEST(IniSettingsStore, AWriterKilledMidWriteLeavesAWholeFile) {
  TempFolder folder;
  fs::path file = folder.path() / "aerolark.ini";
  IniSettingsStore setup(file);
  for (int i = 0; i < 50; ++i) setup.WriteSetting("Startup", "Base" + std::to_string(i), "kept");
  for (int round = 0; round < 5; ++round) {
    pid_t child = ::fork();
    if (child == 0) {
      IniSettingsStore store(file);
      for (int i = 0;; ++i) store.WriteSetting("Startup", "Message", std::string(5000 + i, 'm'));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(30 + 17 * round));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    IniSettingsStore reader(file);
    for (int i = 0; i < 50; ++i) {
      ASSERT_EQ(reader.ReadSetting("Startup", "Base" + std::to_string(i), "lost"), "kept");
    }
    ASSERT_EQ(reader.ReadSetting("Startup", "Message", "").find_first_not_of('m'), std::string::npos);
  }
  EXPECT_TRUE(setup.WriteSetting("Startup", "After", "yes").ok);  // a killed writer's lock went with it
}

// A writer coming back for the lock the moment it let go queues behind a write
// already waiting; one that never lets go (stopped) makes a write fail, not hang.
TEST(IniSettingsStore, AnotherWriterHoldingTheLockDelaysAWriteButNeverHangsIt) {
  TempFolder folder;
  IniSettingsStore store(folder.path() / "aerolark.ini");
  const std::string lockPath = store.path().string() + ".lock";
  ASSERT_TRUE(store.WriteSetting("Startup", "Speed", "3").ok);
  int held = ::open(lockPath.c_str(), O_RDWR | O_CLOEXEC);
  ASSERT_TRUE(LockWithin(held, std::chrono::milliseconds(0)));
  std::atomic<bool> ended = false;
  std::thread waiting([&] { store.WriteSetting("Startup", "Speed", "4"); ended = true; });
  struct flock turn {.l_type = F_UNLCK, .l_whence = SEEK_SET, .l_start = 0, .l_len = 1, .l_pid = 0};
  for (int probe = ::open(lockPath.c_str(), O_RDWR); turn.l_type != F_WRLCK && !ended; std::this_thread::yield()) {
    turn.l_type = F_WRLCK;  // until the waiting write has taken its turn
    ASSERT_EQ(::fcntl(probe, F_OFD_GETLK, &turn), 0);
  }
  ::flock(held, LOCK_UN);
  EXPECT_FALSE(LockWithin(held, std::chrono::milliseconds(0)));
  waiting.join();
  EXPECT_EQ(store.ReadSetting("Startup", "Speed", ""), "4");

  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  WriteStatus status = store.WriteSetting("Startup", "Speed", "9");
  EXPECT_FALSE(status.ok);
  EXPECT_NE(status.error.find("locked"), std::string::npos) << status.error;
  EXPECT_EQ(store.ReadSetting("Startup", "Speed", "1"), "4");
  ::close(held);
  EXPECT_TRUE(store.WriteSetting("Startup", "Speed", "9").ok);
}

}  // namespace
}  // namespace aerolark
