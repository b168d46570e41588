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
#include "settings/linux/ini_settings_store.h"
#include "settings/setting_keys.h"

namespace aerolark::hostile {
namespace {

const std::string kInstall = AEROLARK_SHARE_DIR;

// Runs `check` in a forked child, under `prepare`'s limits (which may take
// root's power to ignore permissions); the exit status is what it returns.
int InChild(const std::function<void()>& prepare, const std::function<int()>& check) {
  pid_t child = ::fork();
  if (child == 0) {
    prepare();
    ::_exit(check());
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

void DropPrivileges() {
  if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
}

// On a store it cannot write, from a hand-edited file whose defaults marker
// is gone (so the saver tries to write every default, and the hint timer its
// markers): the saver ends in order on what it reads, a write of `key` is
// refused with a reason, and the file is as it was.
void ExpectRefusedAndKept(const std::filesystem::path& file, const std::function<void()>& prepare,
                          Key key, const std::string& value) {
  {
    IniSettingsStore store(file);
    ASSERT_TRUE(WriteDefaults(store, kInstall).ok);
    ASSERT_TRUE(WriteSetting(store, Key::SetReg, "").ok);
    ASSERT_TRUE(WriteSetting(store, Key::Speed, "7").ok);
  }
  const std::string before = ReadText(file);
  const int failed = InChild(prepare, [&] {
    IniSettingsStore store(file);
    const SaverOutcome outcome = RunHeadlessSaver(store, kInstall, 400, 4);
    if (!outcome.loaded || !outcome.endedOnKey || outcome.exitStatus != 0) return 1;
    if (outcome.spritesShown <= 4) return 1;
    const WriteStatus status = WriteSetting(store, key, value);
    return !status.ok && !status.error.empty() && ReadSetting(store, Key::Speed) == "7" ? 0 : 2;
  });
  EXPECT_EQ(failed, 0) << "1: the saver did not run in order; 2: the write was not refused";
  EXPECT_EQ(ReadText(file), before);
}

TEST(StoreOnAReadOnlyFolder, OldFileStaysAndTheSaverRunsOnItsValues) {
  const TempFolder temp("aerolark-readonly");
  const auto file = temp.path() / "aerolark.ini";
  auto readOnly = [&] {
    ::chmod(temp.path().c_str(), 0555);
    ::chmod(file.c_str(), 0444);
    DropPrivileges();
  };
  ExpectRefusedAndKept(file, readOnly, Key::Speed, "9");
}

// A full disk, as the process sees it: no write may grow a file past a few
// bytes, and no half-written temporary is left.
TEST(StoreOnAFullDisk, FailedRewriteKeepsTheOldFile) {
  const TempFolder temp("aerolark-full");
  const auto file = temp.path() / "aerolark.ini";
  auto fullDisk = [] {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{16, 16};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(3);
  };
  ExpectRefusedAndKept(file, fullDisk, Key::Message, std::string(500, 'm'));
  for (const auto& entry : std::filesystem::directory_iterator(temp.path())) {
    EXPECT_TRUE(entry.path() == file || entry.path().extension() == ".lock")
        << "a half-written temporary was left: " << entry.path();
  }
}

}  // namespace
}  // namespace aerolark::hostile
