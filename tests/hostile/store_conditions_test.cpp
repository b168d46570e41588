// The settings store on disks that refuse writes: nothing is lost or half
// written, and the saver runs on what it can read.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <string>

#include "hostile/headless_saver.h"
#include "settings/ini_settings_store.h"
#include "settings/setting_keys.h"

namespace aerolark::hostile {
namespace {

const std::string kInstall = AEROLARK_SHARE_DIR;

// Runs `check` in a forked child, without root's power to ignore permissions
// and under `prepare`'s limits; its exit status (0: the check held).
int InChild(const std::function<void()>& prepare, const std::function<bool()>& check) {
  pid_t child = ::fork();
  if (child == 0) {
    prepare();
    ::_exit(check() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

void DropPrivileges() {
  if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
}

// A hand-edited store whose defaults marker is gone: the saver will try to
// write every default, and the hint timer its markers.
void WriteDefaultsWithoutMarker(const std::filesystem::path& file) {
  IniSettingsStore store(file);
  ASSERT_TRUE(WriteDefaults(store, kInstall).ok);
  ASSERT_TRUE(WriteSetting(store, Key::SetReg, "").ok);
}

// The saver on a store it cannot write: it ends in order, and the file is as it was.
bool SaverRunsOnWhatItReads(const std::filesystem::path& file) {
  IniSettingsStore store(file);
  SaverOutcome outcome = RunHeadlessSaver(store, kInstall, 400, 4);
  return outcome.loaded && outcome.endedOnKey && outcome.exitStatus == 0 &&
         outcome.spritesShown > 4;
}

TEST(StoreOnAReadOnlyFolder, OldFileStaysAndTheSaverRunsOnItsValues) {
  const TempFolder temp("aerolark-readonly");
  const auto& folder = temp.path();
  const auto file = folder / "aerolark.ini";
  ASSERT_NO_FATAL_FAILURE(WriteDefaultsWithoutMarker(file));
  {
    IniSettingsStore store(file);
    ASSERT_TRUE(WriteSetting(store, Key::Speed, "7").ok);
  }
  const std::string before = ReadText(file);
  ::chmod(folder.c_str(), 0555);
  ::chmod(file.c_str(), 0444);
  EXPECT_EQ(InChild(DropPrivileges, [&] { return SaverRunsOnWhatItReads(file); }), 0);
  EXPECT_EQ(InChild(DropPrivileges,
                    [&] {
                      IniSettingsStore store(file);
                      WriteStatus status = WriteSetting(store, Key::Speed, "9");
                      return !status.ok && !status.error.empty() &&
                             ReadSetting(store, Key::Speed) == "7";
                    }),
            0);
  EXPECT_EQ(ReadText(file), before);
  ::chmod(folder.c_str(), 0755);
}

// A full disk, as the process sees it: no write may grow a file past a few
// bytes. The rewrite fails and the old file stays whole.
TEST(StoreOnAFullDisk, FailedRewriteKeepsTheOldFile) {
  const TempFolder temp("aerolark-full");
  const auto& folder = temp.path();
  const auto file = folder / "aerolark.ini";
  ASSERT_NO_FATAL_FAILURE(WriteDefaultsWithoutMarker(file));
  const std::string before = ReadText(file);
  auto fullDisk = [] {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{16, 16};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(3);
  };
  EXPECT_EQ(InChild(fullDisk, [&] { return SaverRunsOnWhatItReads(file); }), 0);
  EXPECT_EQ(InChild(fullDisk,
                    [&] {
                      IniSettingsStore store(file);
                      WriteStatus status = WriteSetting(store, Key::Message, std::string(500, 'm'));
                      return !status.ok && !status.error.empty();
                    }),
            0);
  EXPECT_EQ(ReadText(file), before);
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    EXPECT_TRUE(entry.path() == file || entry.path().extension() == ".lock")
        << "a half-written temporary was left: " << entry.path();
  }
}

}  // namespace
}  // namespace aerolark::hostile
