#pragma once
// Runs the real program as the desktop would: its own process, its own
// settings and runtime folders, its output kept in files for the test to read.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "support/text_files.h"

namespace aerolark::program_test {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// A fresh folder per test, removed at the end: the settings home, the
// single-instance registry and the files a run writes.
class RunFolder {
 public:
  explicit RunFolder(const std::string& name);
  ~RunFolder();
  RunFolder(const RunFolder&) = delete;
  RunFolder& operator=(const RunFolder&) = delete;

  const fs::path& root() const { return root_; }
  fs::path configHome() const { return root_ / "config"; }
  fs::path runtimeDir() const { return root_ / "runtime"; }
  fs::path settingsFile() const { return configHome() / "aerolark" / "aerolark.ini"; }
  fs::path file(const std::string& name) const { return root_ / name; }

  // Writes the settings file as a user (or an earlier run) left it.
  void WriteSettings(const std::string& text) const;
  // The environment a run of the program gets in this folder: fresh
  // settings, a private registry and silent sound, plus `extra`.
  std::map<std::string, std::string> Environment(
      const std::map<std::string, std::string>& extra = {}) const;

 private:
  fs::path root_;
};

// The program's status as a shell reports it: the exit code, or 128 + signal.
struct Ending {
  int status = -1;
  Clock::time_point at;
};

class ProgramProcess {
 public:
  // Starts build/bin/aerolark with `arguments`; it inherits this process's
  // environment without the program's own variables, then gets
  // `environment`. Its stdout and stderr go to `outputStem`.out and .err.
  ProgramProcess(const std::vector<std::string>& arguments,
                 const std::map<std::string, std::string>& environment,
                 const fs::path& outputStem);
  // Kills a program still running, so a failed test leaves nothing behind.
  ~ProgramProcess();
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  pid_t pid() const { return pid_; }
  bool started() const { return pid_ > 0; }
  // Polls every millisecond; nullopt when still running after `timeout`.
  std::optional<Ending> WaitForExit(milliseconds timeout);
  bool Running();
  void Signal(int signal) const;
  std::string Stdout() const;
  std::string Stderr() const;

 private:
  void Reap(int waitStatus);

  pid_t pid_ = -1;
  std::optional<Ending> ending_;
  fs::path outputStem_;
};

using testing::ReadText;
std::vector<std::string> ReadLines(const fs::path& path);

// Milliseconds from `from` to `to`, for reports.
double MillisecondsBetween(Clock::time_point from, Clock::time_point to);

// Polls `condition` every 20 ms until it holds or `timeout` passes.
template <typename Condition>
bool WaitUntil(Condition condition, milliseconds timeout) {
  const Clock::time_point deadline = Clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(milliseconds(20));
  }
}

}  // namespace aerolark::program_test
