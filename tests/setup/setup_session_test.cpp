// The dialog as a user meets it: the real program's window under an X
// server, real pointer and key events from xdotool, and the settings file
// read back afterwards.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>

#include "support/files.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string Shell(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return output;
  char buffer[256];
  while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
  pclose(pipe);
  return output;
}

struct Point { int x; int y; };

// Where the dialog's window sits on the screen, found by its caption.
bool FindDialog(std::string& window, Point& origin) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    window = Shell("xdotool search --onlyvisible --name '^Aerolark  http' 2>/dev/null | head -1");
    if (!window.empty()) break;
    std::this_thread::sleep_for(100ms);
  }
  if (window.empty()) return false;
  window.erase(window.find_last_not_of('\n') + 1);
  std::this_thread::sleep_for(300ms);  // let the first paint finish
  std::string shell = Shell("xdotool getwindowgeometry --shell " + window);
  std::istringstream lines(shell);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind("X=", 0) == 0) origin.x = std::stoi(line.substr(2));
    if (line.rfind("Y=", 0) == 0) origin.y = std::stoi(line.substr(2));
  }
  return true;
}

// Runs the program's dialog on a settings folder of its own; the child's id.
pid_t StartDialog(const fs::path& config) {
  fs::remove_all(config);
  fs::create_directories(config);
  pid_t child = fork();
  if (child == 0) {
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    execl(AEROLARK_BIN_DIR "/aerolark", "aerolark", "/c", nullptr);
    _exit(127);
  }
  return child;
}

// Waits up to five seconds for the dialog to end (and ends it if it does
// not); true when it ended by itself with status 0.
bool EndsCleanly(pid_t child) {
  int status = 0;
  bool ended = false;
  for (int attempt = 0; attempt < 50 && !ended; ++attempt) {
    ended = waitpid(child, &status, WNOHANG) == child;
    if (!ended) std::this_thread::sleep_for(100ms);
  }
  if (!ended) kill(child, SIGKILL), waitpid(child, &status, 0);
  return ended && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(SetupSession, TickDragAndAltOStoreTheNewValues) {
  fs::path config = fs::temp_directory_path() / ("aerolark-session-" + std::to_string(getpid()));
  pid_t child = StartDialog(config);
  ASSERT_GE(child, 0);

  std::string window;
  Point origin{0, 0};
  ASSERT_TRUE(FindDialog(window, origin)) << "the dialog did not appear";
  auto at = [&](int x, int y) {
    return std::to_string(origin.x + x) + " " + std::to_string(origin.y + y);
  };
  // "Show Clock" on the "Aircraft" page; then the "Aircraft Speed" thumb,
  // dragged from its left end (2, from the empty store) towards the right.
  Shell("xdotool mousemove " + at(30, 154) + " click 1");
  Shell("xdotool mousemove " + at(292, 170) + " mousedown 1");
  for (int x = 300; x <= 440; x += 20) Shell("xdotool mousemove " + at(x, 170));
  Shell("xdotool mouseup 1");
  Shell("xdotool windowfocus --sync " + window + " key alt+o");

  ASSERT_TRUE(EndsCleanly(child)) << "Alt+O did not close the dialog";

  std::string ini = aerolark::testing::ReadText(config / "aerolark" / "aerolark.ini");
  EXPECT_NE(ini.find("Clock=0"), std::string::npos) << ini;
  std::size_t speed = ini.find("\nSpeed=");
  ASSERT_NE(speed, std::string::npos) << ini;
  EXPECT_GT(std::stoi(ini.substr(speed + 7)), 5) << ini;
  fs::remove_all(config);
}

// The server runs without a window manager, as a kiosk or a bare X session
// does: the dialog itself must take the keyboard when it opens.
TEST(SetupSession, OpensWithTheKeyboardFocus) {
  fs::path config = fs::temp_directory_path() / ("aerolark-focus-" + std::to_string(getpid()));
  pid_t child = StartDialog(config);
  ASSERT_GE(child, 0);
  std::string window;
  Point origin{0, 0};
  ASSERT_TRUE(FindDialog(window, origin)) << "the dialog did not appear";
  Shell("xdotool mousemove 1 1");  // away from the dialog, and no click
  bool focused = false;
  for (int attempt = 0; attempt < 50 && !focused; ++attempt) {
    focused = Shell("xdotool getwindowfocus -f 2>/dev/null") == window + "\n";
    if (!focused) std::this_thread::sleep_for(100ms);
  }
  EXPECT_TRUE(focused) << Shell("xdotool getwindowfocus -f 2>/dev/null");
  Shell("xdotool key alt+o");
  EXPECT_TRUE(EndsCleanly(child)) << "Alt+O did not reach the dialog";
  fs::remove_all(config);
}

}  // namespace
