#include "app/command_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/environment.h"
#include "app/module1.h"
#include "app/linux/host_preview.h"
#include "app/linux/other_switches.h"

namespace aerolark {
namespace {

// What Main did, as one word: the mode it ran, "other" for a switch it
// does not know, or "none" when it ended at once.
struct Outcome {
  std::string ran = "none";
  ForeignWindow parent = 0;
  int status = -1;
};

Outcome Start(std::vector<std::string> arguments, bool anotherRunning = false,
              bool hostWindow = false, const std::string& openWindow = "") {
  Outcome outcome;
  StartupActions actions;
  actions.anotherInstanceRunning = [=] { return anotherRunning; };
  actions.topLevelWindowExists = [&](const std::string& title) { return title == openWindow; };
  actions.hostWindowGiven = hostWindow;
  actions.runSaver = [&] { outcome.ran = "saver"; return 0; };
  actions.runPreview = [&](ForeignWindow parent) {
    outcome.ran = "preview";
    outcome.parent = parent;
    return 0;
  };
  actions.runConfiguration = [&] { outcome.ran = "configuration"; return 0; };
  actions.runPasswordChange = [&] { outcome.ran = "password"; return 0; };
  actions.answerOtherSwitch = [&] { outcome.ran = "other"; return 2; };
  arguments.insert(arguments.begin(), "aerolark");
  outcome.status = Main(ArgumentText(arguments), actions);
  return outcome;
}

TEST(Startup, TheSwitchChoosesTheMode) {
  struct Case {
    std::vector<std::string> arguments;
    const char* mode;
  };
  const Case cases[] = {
      {{}, "saver"},           {{"/s"}, "saver"},   {{"/S"}, "saver"},   {{"  /s  "}, "saver"},
      {{"/s", "12"}, "saver"}, {{"/save"}, "saver"}, {{"/s", "--window-id", "0x2A00007"}, "saver"},
      {{"/c"}, "configuration"}, {{"/C:1234"}, "configuration"}, {{"/c", "4242"}, "configuration"},
      {{"/a"}, "password"},    {{"/a", "1234"}, "password"},
      {{"/p", "1234"}, "preview"}, {{"/P"}, "preview"},
      {{"/x"}, "other"},       {{"s"}, "other"},    {{"-s"}, "other"},   {{"/"}, "other"},
      {{"--help"}, "other"},   {{"-root"}, "other"},
      // XScreenSaver's settings append the window to a command without a switch.
      {{"--window-id", "0x2A00007"}, "saver"}, {{"-window-id", "77"}, "saver"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = Start(c.arguments);
    EXPECT_EQ(outcome.ran, c.mode) << ::testing::PrintToString(c.arguments);
    EXPECT_EQ(outcome.status, outcome.ran == "other" ? 2 : 0);
  }
}

TEST(Startup, OtherSwitchesAnswerAsUnixProgramsDo) {
  struct Case {
    std::vector<std::string> arguments;
    int status;
    const char* out;  // the start of what is printed on standard output
    const char* errors;
  };
  const Case cases[] = {
      {{"--help"}, 0, "Usage: aerolark [/s | /c | /p <window id> | /a]\n", ""},
      {{"-H"}, 0, "Usage: aerolark", ""},
      {{"", " /?", "x"}, 0, "Usage: aerolark", ""},
      {{"--version"}, 0, "aerolark 1.", ""},
      {{"-Root", "-foo"}, 2, "", "aerolark: unknown switch \"-Root\"; see \"aerolark --help\"\n"},
      {{"  --bogus=1 "}, 2, "", "aerolark: unknown switch \"--bogus=1\"; see \"aerolark --help\"\n"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> arguments = c.arguments;
    arguments.insert(arguments.begin(), "aerolark");
    std::ostringstream out, errors;
    EXPECT_EQ(AnswerOtherSwitch(arguments, out, errors), c.status) << arguments[1];
    EXPECT_TRUE(out.str().starts_with(c.out)) << out.str();
    EXPECT_EQ(errors.str(), c.errors);
  }
}

TEST(Startup, HostWindowFromTheEnvironmentOrTheCommandLine) {
  struct Case {
    std::string variable, argument;
    std::optional<unsigned long> host;
  };
  const Case cases[] = {
      {"0x2A00007", "", 0x2A00007}, {" 4242 ", "", 4242},     {"0", "", std::nullopt},
      {"0x0", "", std::nullopt},    {"0x1FFFFFFFF", "", std::nullopt},
      {"window", "", std::nullopt}, {"", "77", 77},           {"", "0", std::nullopt},
      {"12", "77", 12},
  };
  for (const Case& c : cases) {
    std::vector<std::string> arguments = {"aerolark", "/s"};
    if (!c.argument.empty()) arguments.insert(arguments.end(), {"--window-id", c.argument});
    ProgramEnvironment environment;
    environment.xscreensaverWindow = c.variable;
    EXPECT_EQ(PlacementFrom(arguments, environment).hostWindow, c.host)
        << c.variable << " / " << c.argument;
  }
}

TEST(Startup, PreviewParentIsTheLongestNumericSuffix) {
  // " 2" is the longest numeric suffix of "/p 1 2"; "/p:1234" the form Windows
  // also writes; overlong ones: LongCommandLine.
  const std::pair<std::vector<std::string>, ForeignWindow> cases[] = {
      {{"/p", "1234"}, 1234}, {{"/p1234"}, 1234}, {{"/p:1234"}, 1234}, {{"/p", " 77 "}, 77}, {{"/p"}, 0},
      {{"/p", "abc"}, 0},     {{"/p", "12abc"}, 0}, {{"/p", "1", "2"}, 2}, {{"/p", "2.5"}, 2},
      {{"/p", "99999999999"}, 2147483647}};
  for (const auto& [arguments, parent] : cases) EXPECT_EQ(Start(arguments).parent, parent) << arguments.back();
}

TEST(Startup, AHostWindowUnderAQuarterOfItsMonitorIsAPreview) {
  const std::vector<MonitorArea> monitors = {{0, 0, 1920, 1080}, {1920, 0, 800, 600}};
  struct Case { MonitorArea window; bool preview; };
  const Case cases[] = {
      {{0, 0, 1920, 1080}, false},    // a daemon's window over the first monitor
      {{1920, 0, 800, 600}, false},   // ...and over the small second one
      {{100, 100, 320, 240}, true},   // a settings dialog's thumbnail
      {{1950, 20, 400, 300}, false},  // a quarter of the second monitor exactly
      {{1950, 20, 399, 300}, true},
      {{-500, -500, 200, 150}, true},  // beyond every monitor: measured against the first
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsSmallPreview(c.window, monitors), c.preview) << c.window.x << "," << c.window.width;
  }
  EXPECT_FALSE(IsSmallPreview({0, 0, 10, 10}, {}));  // no monitor known: not told apart
}

// A second saver ending, and the "Display Properties" exception, for real:
// tests/program/startup_modes_test.sh. Here the modes the rule leaves alone,
// and the settings window under each title Windows gives it.
TEST(Startup, OnlyASecondSaverStartedWithSlashSEnds) {
  EXPECT_EQ(Start({"/p", "5"}, true).ran, "preview");
  EXPECT_EQ(Start({}, true).ran, "saver");  // the rule names the switch "/s"
  EXPECT_EQ(Start({"/s"}, true, true).ran, "saver");  // a host runs one per monitor
  EXPECT_EQ(Start({"/s"}, true, false, "Screen Saver").ran, "none");
  EXPECT_EQ(Start({"/s"}, true, false, "Display Properties").ran, "saver");
  EXPECT_EQ(Start({"/s"}, true, false, "Screen Saver Settings").ran, "saver");
}

}  // namespace
}  // namespace aerolark
