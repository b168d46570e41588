// The saver as a user meets it: started by the desktop with a fresh settings
// home, ended by a key, a click, enough pointer movement or a host's SIGTERM,
// in an ordinary window and covering the screen.

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "saver_session.h"
#include "trace_checker.h"

namespace aerolark::program_test {
namespace {

// The saver must be gone this soon after the input that ends it.
constexpr milliseconds kExitLimit{500};

// A sanitized build scans for leaks on the way out, a few hundred
// milliseconds that a loaded machine stretches past the limit. The other
// program tests keep the scan; here the limit times the saver itself.
std::map<std::string, std::string> WithoutExitLeakScan() {
  const char* sanitizer = std::getenv("ASAN_OPTIONS");
  if (sanitizer == nullptr) return {};
  return {{"ASAN_OPTIONS", std::string(sanitizer) + ":detect_leaks=0"}};
}

std::string Name(Placement placement) {
  return placement == Placement::Windowed ? "windowed" : "full screen";
}

class SaverExit : public ::testing::TestWithParam<Placement> {
 protected:
  void SetUp() override { ASSERT_TRUE(x_.connected()) << "no X server on $DISPLAY"; }

  // Starts the saver on a fresh settings home and waits until it shows.
  void Start(const std::string& name) {
    folder_ = std::make_unique<RunFolder>(name);
    SaverOptions options;
    options.placement = GetParam();
    options.environment = WithoutExitLeakScan();
    session_ = std::make_unique<SaverSession>(*folder_, x_, options);
    ASSERT_TRUE(session_->WaitUntilShown()) << "the saver did not show within "
                                            << kStartTimeout.count() << " ms\n"
                                            << session_->process().Stderr();
    box_ = x_.Geometry(session_->window());
  }

  // Sends the input, then expects the saver to end in time and in order.
  template <typename Input>
  void ExpectInputEndsSaver(const std::string& what, Input input, const std::string& event) {
    const Clock::time_point before = Clock::now();
    ASSERT_TRUE(input()) << "xdotool failed to send " << what;
    const Clock::time_point sent = Clock::now();
    std::optional<Ending> ending = session_->process().WaitForExit(kStartTimeout);
    ASSERT_TRUE(ending.has_value()) << "the saver still runs after " << what;
    // Measured from before xdotool starts: an upper bound that includes
    // starting xdotool and its pause between a press and its release.
    const double latency = MillisecondsBetween(before, ending->at);
    std::cout << "exit after " << what << " (" << Name(GetParam()) << "): " << latency
              << " ms from before it was sent, " << MillisecondsBetween(sent, ending->at)
              << " ms after the sender returned\n";
    RecordProperty("exit_ms", std::to_string(static_cast<int>(latency)));
    EXPECT_LT(latency, static_cast<double>(kExitLimit.count())) << what;
    EXPECT_EQ(ending->status, 0);
    ExpectEndedInOrder(event);
  }

  void ExpectEndedInOrder(const std::string& event) {
    const std::vector<std::string> trace = session_->TraceLines();
    EXPECT_EQ(LastLines(trace, 8), ExitSequenceAfter(event));
    EXPECT_EQ(CountLines(trace, testing::Join({"C", "ShowCursor", "False"})), 1u);
    EXPECT_EQ(CountLines(trace, testing::Join({"C", "ShowCursor", "True"})), 1u);
    EXPECT_EQ(CountLines(trace, testing::Join({"C", "ScreenSaverRunning", "True"})), 1u);
    EXPECT_FALSE(x_.RootHasProperty(kRunningProperty)) << "still marked as running";
    EXPECT_TRUE(x_.WindowsTitled(kSaverTitle).empty()) << "its window is still on the screen";
    EXPECT_EQ(session_->process().Stderr(), "");

    // A first run starts from an empty store.
    std::ifstream in(session_->tracePath());
    testing::TraceCheck check =
        testing::CheckTrace(in, folder_->file("no-settings-before.ini"), AEROLARK_SHARE_DIR);
    EXPECT_TRUE(check.ok) << check.difference;
  }

  // A place on the saver's window, away from its edges.
  void MoveOnWindow(int step) {
    ASSERT_TRUE(MovePointerTo(box_.centreX() + 10 * step, box_.centreY() + 7 * step));
  }

  XSession x_;
  std::unique_ptr<RunFolder> folder_;
  std::unique_ptr<SaverSession> session_;
  Box box_;
};

TEST_P(SaverExit, FirstStartWritesTheDefaultsAndAKeyEndsIt) {
  ASSERT_NO_FATAL_FAILURE(Start("key"));
  EXPECT_EQ(StoredValues(folder_->settingsFile()), testing::FirstRunDefaults(AEROLARK_SHARE_DIR));
  if (GetParam() == Placement::Windowed) {
    EXPECT_EQ(box_.width, 800);
    EXPECT_EQ(box_.height, 600);
  } else {
    EXPECT_EQ(box_.x, 0);
    EXPECT_EQ(box_.y, 0);
    EXPECT_EQ(box_.width, x_.screenWidth());
    EXPECT_EQ(box_.height, x_.screenHeight());
  }
  // Without a window manager keys go to the window under the pointer.
  MoveOnWindow(0);
  ExpectInputEndsSaver("a key press", [] { return PressKey("x"); }, "KeyEvent");
}

TEST_P(SaverExit, AClickEndsIt) {
  ASSERT_NO_FATAL_FAILURE(Start("click"));
  MoveOnWindow(0);
  ExpectInputEndsSaver("a click", [] { return Click(1); }, "ButtonEvent");
}

// The stored sensitivity is 4. Reaching the window is not movement: neither
// its appearing under the pointer nor the pointer's first arrival on it.
TEST_P(SaverExit, TheFourthRealMovementEndsItAndThreeDoNot) {
  ASSERT_TRUE(MovePointerTo(2, 2));
  ASSERT_NO_FATAL_FAILURE(Start("movement"));
  if (GetParam() == Placement::Windowed) MoveOnWindow(0);  // arrives on the window
  for (int step = 1; step <= 3; ++step) MoveOnWindow(step);
  const bool ended = session_->process().WaitForExit(kExitLimit + milliseconds(300)).has_value();
  ASSERT_FALSE(ended) << "the saver ended before the fourth movement";
  ExpectInputEndsSaver("the fourth movement", [&] {
    return MovePointerTo(box_.centreX() + 40, box_.centreY() + 28);
  }, "PointerMoved");
  EXPECT_EQ(CountLines(session_->TraceLines(), "E\tPointerMoved"), 4u);
}

TEST_P(SaverExit, SigtermEndsItTheSameWay) {
  ASSERT_NO_FATAL_FAILURE(Start("sigterm"));
  ExpectInputEndsSaver("SIGTERM", [&] {
    session_->process().Signal(SIGTERM);
    return true;
  }, "KeyEvent");
}

INSTANTIATE_TEST_SUITE_P(Placements, SaverExit,
                         ::testing::Values(Placement::Windowed, Placement::FullScreen),
                         [](const ::testing::TestParamInfo<Placement>& info) {
                           return info.param == Placement::Windowed ? "Windowed" : "FullScreen";
                         });

}  // namespace
}  // namespace aerolark::program_test
