#include "program_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <fstream>

namespace aerolark::program_test {
namespace {

// Variables a developer may have set that would change what a run does.
constexpr const char* kProgramVariables[] = {"AEROLARK_WINDOWED", "AEROLARK_TRACE",
                                             "XSCREENSAVER_WINDOW"};

void RedirectTo(const fs::path& path, int fd) {
  int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (file >= 0) {
    ::dup2(file, fd);
    ::close(file);
  }
}

// Only async-signal-safe work would be strictly right after fork; the test
// process is single-threaded here, so the usual calls are safe.
[[noreturn]] void ExecProgram(const std::vector<std::string>& arguments,
                              const std::map<std::string, std::string>& environment,
                              const fs::path& outputStem) {
  for (const char* name : kProgramVariables) ::unsetenv(name);
  for (const auto& [name, value] : environment) ::setenv(name.c_str(), value.c_str(), 1);
  RedirectTo(fs::path(outputStem.string() + ".out"), STDOUT_FILENO);
  RedirectTo(fs::path(outputStem.string() + ".err"), STDERR_FILENO);
  const std::string program = AEROLARK_BIN_DIR "/aerolark";
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  ::execv(program.c_str(), argv.data());
  ::_exit(127);
}

}  // namespace

RunFolder::RunFolder(const std::string& name)
    : root_(fs::temp_directory_path() /
            ("aerolark-program-" + name + "-" + std::to_string(::getpid()))) {
  fs::remove_all(root_);
  fs::create_directories(configHome());
  fs::create_directories(runtimeDir());
  fs::permissions(runtimeDir(), fs::perms::owner_all);
}

RunFolder::~RunFolder() {
  std::error_code ignored;
  if (std::getenv("AEROLARK_KEEP_RUNS") == nullptr) fs::remove_all(root_, ignored);
}

void RunFolder::WriteSettings(const std::string& text) const {
  fs::create_directories(settingsFile().parent_path());
  testing::WriteText(settingsFile(), text);
}

std::map<std::string, std::string> RunFolder::Environment(
    const std::map<std::string, std::string>& extra) const {
  std::map<std::string, std::string> environment{
      {"XDG_CONFIG_HOME", configHome().string()},
      {"XDG_RUNTIME_DIR", runtimeDir().string()},
      {"SDL_AUDIODRIVER", "dummy"},
  };
  for (const auto& [name, value] : extra) environment[name] = value;
  return environment;
}

ProgramProcess::ProgramProcess(const std::vector<std::string>& arguments,
                               const std::map<std::string, std::string>& environment,
                               const fs::path& outputStem)
    : outputStem_(outputStem) {
  pid_ = ::fork();
  if (pid_ == 0) ExecProgram(arguments, environment, outputStem);
}

ProgramProcess::~ProgramProcess() {
  if (pid_ > 0 && !ending_) {
    ::kill(pid_, SIGKILL);
    int status = 0;
    ::waitpid(pid_, &status, 0);
  }
}

void ProgramProcess::Reap(int waitStatus) {
  Ending ending;
  ending.at = Clock::now();
  ending.status = WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : 128 + WTERMSIG(waitStatus);
  ending_ = ending;
}

std::optional<Ending> ProgramProcess::WaitForExit(milliseconds timeout) {
  if (pid_ <= 0) return std::nullopt;
  const Clock::time_point deadline = Clock::now() + timeout;
  while (!ending_) {
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      Reap(status);
      break;
    }
    if (Clock::now() >= deadline) break;
    std::this_thread::sleep_for(milliseconds(1));
  }
  return ending_;
}

bool ProgramProcess::Running() { return started() && !WaitForExit(milliseconds(0)); }

void ProgramProcess::Signal(int signal) const {
  if (pid_ > 0 && !ending_) ::kill(pid_, signal);
}

std::string ProgramProcess::Stdout() const { return ReadText(outputStem_.string() + ".out"); }
std::string ProgramProcess::Stderr() const { return ReadText(outputStem_.string() + ".err"); }

std::vector<std::string> ReadLines(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

double MillisecondsBetween(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

}  // namespace aerolark::program_test
