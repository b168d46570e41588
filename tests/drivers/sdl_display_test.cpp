// Drawing on a real (virtual) X server: what appears on the screen, on our
// own window and a host's, and how the loop ends. Input through a window of
// our own is tried on the whole program (tests/program/saver_exit_test.sh).

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
#include "drivers/software/letterbox.h"
#include "drivers/picture_fixtures.h"
#include "drivers/recording_sink.h"

namespace aerolark {
namespace {

using testing::kRed;
using testing::kBlue;
using testing::kBlack;

using testing::RecordingSink;
using testing::TempFolder;


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

// What the screen should show: the whole frame scaled as SDL scales it onto
// an area of `width` x `height`, black bars around.
std::vector<Uint32> WholeRepaint(const FrameBuffer& frame, int width, int height) {
  SDL_Surface* packed = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<Pixel565*>(frame.Data()), frame.Width(), frame.Height(), 16,
      frame.Width() * 2, SDL_PIXELFORMAT_RGB565);
  SDL_Surface* wide = SDL_ConvertSurfaceFormat(packed, SDL_PIXELFORMAT_XRGB8888, 0);
  SDL_Surface* screen = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_XRGB8888);
  SDL_FillRect(screen, nullptr, 0);
  SDL_SetSurfaceBlendMode(wide, SDL_BLENDMODE_NONE);
  const Box box = Letterbox(frame.Width(), frame.Height(), width, height);
  SDL_Rect where{box.left, box.top, box.Width(), box.Height()};
  SDL_BlitScaled(wide, nullptr, screen, &where);
  std::vector<Uint32> pixels;
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const Uint32*>(static_cast<Uint8*>(screen->pixels) + y * screen->pitch);
    for (int x = 0; x < width; ++x) pixels.push_back(row[x] & 0xFFFFFF);
  }
  for (SDL_Surface* surface : {packed, wide, screen}) SDL_FreeSurface(surface);
  return pixels;
}

std::vector<Uint32> Shown(Display* display, Window window, int width, int height) {
  XImage* image = XGetImage(display, window, 0, 0, width, height, AllPlanes, ZPixmap);
  std::vector<Uint32> pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels.push_back(XGetPixel(image, x, y) & 0xFFFFFF);
  }
  XDestroyImage(image);
  return pixels;
}

// Only the parts that changed are converted, scaled and sent: after sprites
// have moved about, the screen must hold exactly a whole repaint of the
// frame, with nothing stale and no seams, on our own window (scaled up) and
// on a host's (scaled down, bars at the sides; unscaled, bars above and below).
TEST(SdlDisplay, ShowingOnlyWhatChangedEqualsAWholeRepaint) {
  XServer x;
  for (const auto [hosted, width, height] : {std::tuple{false, 1024, 768}, {true, 520, 330},
                                             {true, 800, 700}}) {
    SCOPED_TRACE(::testing::Message() << (hosted ? "host window " : "own window ") << width);
    Window host = 0;
    if (hosted) {
      host = XCreateSimpleWindow(x.display(), x.Root(), 0, 0, width, height, 0, 0, 0);
      XMapWindow(x.display(), host);
      XSync(x.display(), False);
    }
    ScreenOptions options;
    if (hosted) options.hostWindow = host;
    auto driver = std::make_unique<SdlDisplay>(options);
    SoftwareCompositor& draw = driver->drawing();
    ASSERT_TRUE(draw.OpenScreen(800, 600, 16, ""));
    TempFolder folder;
    const auto gradient = [](int px, int py) { return PackColour(px * 2 % 256, py * 3 % 256, 128); };
    const SpriteId big = draw.NewSprite(), small = draw.NewSprite();
    draw.LoadSprite(big, 1, testing::WriteBmp(folder.File("big.bmp"), 170, 130, gradient), kKeyOpaque);
    draw.LoadSprite(small, 1, testing::WriteBmp(folder.File("small.bmp"), 61, 47, gradient), kKeyOpaque);
    RecordingSink sink;
    std::vector<Uint32> expected, shown;
    sink.onFrame = [&](std::uint64_t frame) {
      const int step = static_cast<int>(std::min<std::uint64_t>(frame, 240));
      draw.FillScreen(kRed);
      draw.SetSpriteX(big, step * 3 - 100);
      draw.SetSpriteY(big, step * 2 + (step % 7));
      draw.SetSpriteX(small, 760 - step * 3);
      draw.SetSpriteY(small, 560 - step * 2);
      draw.DrawSprite(big);
      draw.DrawSprite(small);
      draw.FlipScreen();
      if (frame == 420) {  // still since frame 240: long shown
        expected = WholeRepaint(draw.Front(), width, height);
        shown = Shown(x.display(), hosted ? host : x.Root(), width, height);
      }
    };
    sink.frameLimit = 420;
    driver->RunEvents(sink);
    ASSERT_EQ(shown.size(), expected.size());
    std::size_t differing = 0;
    for (std::size_t i = 0; i < shown.size(); ++i) differing += shown[i] != expected[i];
    EXPECT_EQ(differing, 0u);
    driver.reset();
    if (hosted) XDestroyWindow(x.display(), host);
  }
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
