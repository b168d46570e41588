// Drawing on a real (virtual) X server: what appears on the
// screen, in each of the three ways of showing it, and the input it raises.

#include <gtest/gtest.h>

#include <algorithm>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <map>

#include "drivers/sdl/sdl_display.h"
#include "drivers/picture_fixtures.h"
#include "drivers/recording_sink.h"

namespace aerolark {
namespace {

using testing::RecordingSink;
using testing::TempFolder;

constexpr Colour kRed = PackColour(255, 0, 0);
constexpr Colour kBlue = PackColour(0, 0, 255);
constexpr Colour kBlack = PackColour(0, 0, 0);

// The test's own connection to the X server, for screenshots and a host window.
class XServer {
 public:
  XServer() : display_(XOpenDisplay(nullptr)) {}
  ~XServer() {
    if (display_) XCloseDisplay(display_);
  }
  Display* display() const { return display_; }
  Window Root() const { return DefaultRootWindow(display_); }

  // The colour on screen at (x, y), as red + green * 256 + blue * 65536.
  Colour At(int x, int y) const {
    XImage* image = XGetImage(display_, Root(), x, y, 1, 1, AllPlanes, ZPixmap);
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return PackColour((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
  }
  unsigned TopLevelWindows() const {
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    XQueryTree(display_, Root(), &root, &parent, &children, &count);
    if (children) XFree(children);
    return count;
  }

 private:
  Display* display_;
};

void RunCommand(const std::string& command) { ASSERT_EQ(std::system(command.c_str()), 0) << command; }

// Composes a known frame on every DrawFrame: red, with the top left quarter
// blue, and runs the given actions at chosen frames.
class KnownScene {
 public:
  explicit KnownScene(DrawingControl& driver) : driver_(driver) {
    const std::string bmp = testing::WriteBmp(folder_.File("quarter.bmp"), 400, 300, testing::Solid(kBlue));
    quarter_ = driver.NewSprite();
    driver.LoadSprite(quarter_, 1, bmp, kKeyOpaque);
    sink.onFrame = [this](std::uint64_t frame) {
      driver_.FillScreen(kRed);
      driver_.DrawSprite(quarter_);
      driver_.FlipScreen();
      if (const auto action = actions.find(frame); action != actions.end()) action->second();
    };
  }
  RecordingSink sink;
  std::map<std::uint64_t, std::function<void()>> actions;

 private:
  DrawingControl& driver_;
  TempFolder folder_;
  SpriteId quarter_ = 0;
};

std::size_t CountOf(const RecordingSink& sink, const std::string& event) {
  std::size_t count = 0;
  for (const auto& r : sink.recorded) count += r.event == event;
  return count;
}

TEST(SdlDisplay, WithoutADisplayNothingOpensAndNoBoxShows) {
  const std::string display = std::getenv("DISPLAY");
  unsetenv("DISPLAY");
  for (const ScreenOptions& options :
       {ScreenOptions{}, ScreenOptions{.windowed = true, .hostWindow = {}, .monitors = {}, .statsPath = {}, .display = {}}, ScreenOptions{.windowed = false, .hostWindow = 12345ul, .monitors = {}, .statsPath = {}, .display = {}}}) {
    auto driver = std::make_unique<SdlDisplay>(options);
    EXPECT_FALSE(driver->drawing().OpenScreen(800, 600, 16, ""));
    RecordingSink sink;
    driver->RunEvents(sink);  // returns at once: nothing could end it
    EXPECT_EQ(sink.frames, 0u);
  }
  EXPECT_FALSE(std::make_unique<SdlDisplay>(ScreenOptions{})->ShowMessageBox("Error", "No display"));
  setenv("DISPLAY", display.c_str(), 1);
}

TEST(SdlDisplay, MessageBoxShowsUntilItsOkButtonIsPressed) {
  // The box blocks this thread. Once it is up, a click on its OK button (centred,
  // near its bottom edge) must close it.
  RunCommand(
      "(for i in $(seq 100); do xwininfo -name 'Error opening' >/dev/null 2>&1 && break;"
      " sleep 0.1; done; xwininfo -name 'Error opening' | awk '/Absolute upper-left X/ {x=$4}"
      " /Absolute upper-left Y/ {y=$4} /Width/ {w=$2} /Height/ {h=$2}"
      " END {print x + int(w / 2), y + h - 28}' | xargs xdotool mousemove --sync"
      " && xdotool click 1) >/dev/null 2>&1 &");
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(std::make_unique<SdlDisplay>(ScreenOptions{})->ShowMessageBox("Error opening", "A text to read."));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

// How fast the loop runs is measured by the benchmarks; here only what it does.
TEST(SdlDisplay, FullScreenCoversTheScreenAndEndsOnASignal) {
  XServer x;
  auto driver = std::make_unique<SdlDisplay>(ScreenOptions{});
  ASSERT_TRUE(driver->drawing().OpenScreen(800, 600, 16, ""));
  KnownScene scene(driver->drawing());
  std::map<std::string, Colour> seen;
  scene.actions[180] = [&] {
    for (auto [name, px, py] : {std::tuple{"top left", 0, 0}, {"quarter's end", 509, 381},
                                {"past the quarter", 514, 386}, {"bottom right", 1023, 767}}) {
      seen[name] = x.At(px, py);
    }
  };
  scene.actions[432] = [] { std::raise(SIGTERM); };
  scene.sink.endOnKey = false;  // the loop must end by itself after a signal
  driver->RunEvents(scene.sink);

  EXPECT_EQ(seen["top left"], kBlue);
  EXPECT_EQ(seen["quarter's end"], kBlue);
  EXPECT_EQ(seen["past the quarter"], kRed);
  EXPECT_EQ(seen["bottom right"], kRed);
  // The frames already due when the signal came run; then the loop ends.
  EXPECT_GE(scene.sink.frames, 432u);
  EXPECT_LT(scene.sink.frames, 432u + 360u);
  const std::vector<std::string> events = scene.sink.Events();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back(), "KeyEvent");
  EXPECT_EQ(std::count(events.begin(), events.end(), "KeyEvent"), 1);
  EXPECT_GE(std::count(events.begin(), events.end(), "SecondTick"), 1);
}

TEST(SdlDisplay, WindowedRaisesInputButNotForAWarpOntoIt) {
  XServer x;
  RunCommand("xdotool mousemove 5 5");
  auto driver = std::make_unique<SdlDisplay>(ScreenOptions{.windowed = true, .hostWindow = {}, .monitors = {}, .statsPath = {}, .display = {}});
  ASSERT_TRUE(driver->drawing().OpenScreen(800, 600, 16, ""));
  KnownScene scene(driver->drawing());
  std::map<std::string, Colour> seen;
  // The 800 x 600 window stands centred on the 1024 x 768 screen, at (112, 84).
  scene.actions[100] = [&] {
    seen["inside the quarter"] = x.At(112 + 10, 84 + 10);
    seen["outside the quarter"] = x.At(112 + 410, 84 + 310);
    seen["outside the window"] = x.At(100, 80);
    RunCommand("xdotool mousemove 400 400");
  };
  scene.actions[200] = [] { RunCommand("xdotool mousemove 420 430"); };
  scene.actions[260] = [] { RunCommand("xdotool click 1"); };
  scene.actions[320] = [] { RunCommand("xdotool key a"); };
  scene.sink.frameLimit = 1800;  // a guard: the key should end it long before
  driver->RunEvents(scene.sink);

  EXPECT_EQ(seen["inside the quarter"], kBlue);
  EXPECT_EQ(seen["outside the quarter"], kRed);
  EXPECT_NE(seen["outside the window"], kRed);
  std::vector<std::string> input;
  for (const auto& r : scene.sink.recorded) {
    if (r.event != "SecondTick") input.push_back(r.event);
    if (r.event == "PointerMoved") {
      EXPECT_GE(r.afterFrames, 200u);
    }
  }
  ASSERT_FALSE(input.empty());
  EXPECT_EQ(input.front(), "PointerMoved");
  EXPECT_EQ(CountOf(scene.sink, "ButtonEvent"), 1u);
  EXPECT_EQ(input.back(), "KeyEvent");
  EXPECT_LT(scene.sink.frames, 1800u);
}

TEST(SdlDisplay, HostWindowIsFollowedAndItsEndEndsTheLoop) {
  XServer x;
  Display* d = x.display();
  const Window host = XCreateSimpleWindow(d, x.Root(), 100, 300, 400, 400, 0, 0,
                                          WhitePixel(d, DefaultScreen(d)));
  XMapWindow(d, host);
  XSync(d, False);
  const unsigned windowsBefore = x.TopLevelWindows();

  auto driver = std::make_unique<SdlDisplay>(ScreenOptions{.windowed = false, .hostWindow = host, .monitors = {}, .statsPath = {}, .display = {}});
  ASSERT_TRUE(driver->drawing().OpenScreen(800, 600, 16, ""));
  KnownScene scene(driver->drawing());
  std::map<std::string, Colour> seen;
  // 400 x 400: the frame shown 400 x 300 with bars of 50 above and below.
  scene.actions[100] = [&] {
    seen["bar"] = x.At(100 + 200, 300 + 10);
    seen["quarter"] = x.At(100 + 5, 300 + 60);
    seen["rest"] = x.At(100 + 395, 300 + 340);
    seen["below the window"] = x.At(100 + 5, 300 + 405);
    XResizeWindow(d, host, 800, 200);
    XSync(d, False);
  };
  // 800 x 200: 266 x 200 with bars of 267 left and right.
  scene.actions[220] = [&] {
    seen["side bar"] = x.At(100 + 5, 300 + 100);
    seen["quarter now"] = x.At(100 + 270, 300 + 10);
    seen["rest now"] = x.At(100 + 530, 300 + 190);
  };
  scene.actions[240] = [&] {
    XDestroyWindow(d, host);
    XSync(d, False);
  };
  scene.sink.endOnKey = false;  // the loop must end by itself
  scene.sink.frameLimit = 1800;
  driver->RunEvents(scene.sink);

  EXPECT_EQ(windowsBefore, x.TopLevelWindows() + 1);  // only the host, now gone, was added
  EXPECT_EQ(seen["bar"], kBlack);
  EXPECT_EQ(seen["quarter"], kBlue);
  EXPECT_EQ(seen["rest"], kRed);
  EXPECT_NE(seen["below the window"], kRed);
  EXPECT_EQ(seen["side bar"], kBlack);
  EXPECT_EQ(seen["quarter now"], kBlue);
  EXPECT_EQ(seen["rest now"], kRed);
  EXPECT_EQ(scene.sink.Events().back(), "KeyEvent");
  EXPECT_LT(scene.sink.frames, 300u);
}

}  // namespace
}  // namespace aerolark
