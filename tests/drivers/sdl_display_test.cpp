// Drawing on a real (virtual) X server, a screen two monitors wide: what
// appears on our own windows and a host's, and how the loop ends. One own
// window with its bars, input and a signal's end are tried on the whole
// program (tests/program/saver_exit_test.sh).

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "drivers/sdl/sdl_display.h"
#include "drivers/software/letterbox.h"
#include "drivers/picture_fixtures.h"
#include "render/drawing_events.h"
#include "platform/x11/x11_platform.h"

namespace aerolark {
namespace {

using namespace testing;  // the colours

// Records the events it gets, runs a chosen action on every DrawFrame, and
// ends on the first key or after a chosen number of frames.
class RecordingSink : public DrawingEvents {
 public:
  void DrawFrame() override {
    ++frames;
    if (onFrame) onFrame(frames);
    if (frameLimit && frames >= frameLimit) ended = true;
  }
  void PointerMoved() override { events.push_back("PointerMoved"); }
  void ButtonEvent() override { events.push_back("ButtonEvent"); }
  void KeyEvent() override {
    events.push_back("KeyEvent");
    if (endOnKey) ended = true;
  }
  void SecondTick() override { events.push_back("SecondTick"); }
  bool Ended() const override { return ended; }

  std::uint64_t frames = 0;
  std::uint64_t frameLimit = 0;  // 0: no limit
  bool endOnKey = true;
  bool ended = false;
  std::function<void(std::uint64_t)> onFrame;
  std::vector<std::string> events;
};

using Pixels = std::vector<std::uint32_t>;  // row by row, as 0xRRGGBB

// The test's own connection to the X server: what the screen shows, and how
// many windows stand on it.
class XServer {
 public:
  XServer() : display_(XOpenDisplay(nullptr)) {}
  ~XServer() {
    if (display_) XCloseDisplay(display_);
  }
  Display* display() const { return display_; }
  Window Root() const { return DefaultRootWindow(display_); }

  Pixels Grab(Window window, int x, int y, int width, int height) const {
    XImage* image = XGetImage(display_, window, x, y, width, height, AllPlanes, ZPixmap);
    Pixels pixels;
    for (int row = 0; row < height; ++row) {
      for (int column = 0; column < width; ++column) {
        pixels.push_back(XGetPixel(image, column, row) & 0xFFFFFF);
      }
    }
    XDestroyImage(image);
    return pixels;
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
  ASSERT_EQ(std::system(
      "(for i in $(seq 100); do xwininfo -name 'Error opening' >/dev/null 2>&1 && break;"
      " sleep 0.1; done; xwininfo -name 'Error opening' | awk '/Absolute upper-left X/ {x=$4}"
      " /Absolute upper-left Y/ {y=$4} /Width/ {w=$2} /Height/ {h=$2}"
      " END {print x + int(w / 2), y + h - 28}' | xargs xdotool mousemove --sync"
      " && xdotool click 1) >/dev/null 2>&1 &"), 0);
  EXPECT_TRUE(std::make_unique<SdlDisplay>(ScreenOptions{})->ShowMessageBox("Error opening", "A text to read."));
}

std::size_t Differing(const Pixels& a, const Pixels& b) {
  if (a.size() != b.size()) return std::max(a.size(), b.size());
  std::size_t count = 0;
  for (std::size_t i = 0; i < a.size(); ++i) count += a[i] != b[i];
  return count;
}

// What the screen should show: the whole frame scaled as SDL scales it onto
// an area of `width` x `height`, black bars around.
Pixels WholeRepaint(const FrameBuffer& frame, int width, int height) {
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
  Pixels pixels;
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const Uint32*>(static_cast<Uint8*>(screen->pixels) + y * screen->pitch);
    for (int x = 0; x < width; ++x) pixels.push_back(row[x] & 0xFFFFFF);
  }
  for (SDL_Surface* surface : {packed, wide, screen}) SDL_FreeSurface(surface);
  return pixels;
}

// Two sprites moving about until frame 240 and still after, over red: only
// the parts that changed are converted, scaled and sent, so by frame 420 the
// screen must hold exactly a whole repaint of the frame, nothing stale and
// no seams.
class MovingScene {
 public:
  explicit MovingScene(SoftwareCompositor& draw) : draw_(draw) {
    const auto gradient = [](int x, int y) { return PackColour(x * 2 % 256, y * 3 % 256, 128); };
    draw.LoadSprite(big_, 1, WritePicture(folder_.File("big.bmp"), 170, 130, gradient), kKeyOpaque);
    draw.LoadSprite(small_, 1, WritePicture(folder_.File("small.bmp"), 61, 47, gradient), kKeyOpaque);
  }
  void Draw(std::uint64_t frame) {
    const int step = static_cast<int>(std::min<std::uint64_t>(frame, 240));
    draw_.FillScreen(kRed);
    draw_.SetSpriteX(big_, step * 3 - 100);
    draw_.SetSpriteY(big_, step * 2 + (step % 7));
    draw_.SetSpriteX(small_, 760 - step * 3);
    draw_.SetSpriteY(small_, 560 - step * 2);
    draw_.DrawSprite(big_);
    draw_.DrawSprite(small_);
    draw_.FlipScreen();
  }

 private:
  SoftwareCompositor& draw_;
  TempFolder folder_;
  SpriteId big_ = draw_.NewSprite(), small_ = draw_.NewSprite();
};

// A host's window is drawn into, at its size as it changes, with no window
// of our own; its end ends the loop.
TEST(SdlDisplay, AHostWindowShowsAWholeRepaintAtEachSizeUntilItGoes) {
  XServer x;
  Display* d = x.display();
  struct Case { int width, height, resizedWidth, resizedHeight; };
  const Case cases[] = {{520, 330, 800, 200},   // scaled down, bars at the sides
                        {800, 700, 400, 400}};  // bars above and below, unscaled, then scaled
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "host window " << c.width << " x " << c.height);
    const Window host = XCreateSimpleWindow(d, x.Root(), 0, 0, c.width, c.height, 0, 0, 0);
    XMapWindow(d, host);
    XSync(d, False);
    const unsigned windowsBefore = x.TopLevelWindows();
    auto driver = std::make_unique<SdlDisplay>(ScreenOptions{.windowed = false, .hostWindow = host, .monitors = {}, .statsPath = {}, .display = {}});
    ASSERT_TRUE(driver->drawing().OpenScreen(800, 600, 16, ""));
    MovingScene scene(driver->drawing());
    std::vector<std::size_t> differing;
    unsigned windowsWhileRunning = 0;
    RecordingSink sink;
    sink.endOnKey = false;  // the loop must end by itself when its host goes
    sink.frameLimit = 1800;
    sink.onFrame = [&](std::uint64_t frame) {
      scene.Draw(frame);
      if (frame == 420) {
        differing.push_back(Differing(WholeRepaint(driver->drawing().Front(), c.width, c.height),
                                      x.Grab(host, 0, 0, c.width, c.height)));
        windowsWhileRunning = x.TopLevelWindows();
        XResizeWindow(d, host, c.resizedWidth, c.resizedHeight);
        XSync(d, False);
      }
      if (frame == 600) {  // nothing new drawn since, but the whole window is new
        differing.push_back(Differing(WholeRepaint(driver->drawing().Front(), c.resizedWidth, c.resizedHeight),
                                      x.Grab(host, 0, 0, c.resizedWidth, c.resizedHeight)));
        XDestroyWindow(d, host);
        XSync(d, False);
      }
    };
    driver->RunEvents(sink);
    EXPECT_EQ(differing, (std::vector<std::size_t>{0, 0})) << "pixels not as a whole repaint";
    EXPECT_EQ(windowsWhileRunning, windowsBefore);
    EXPECT_EQ(sink.events.back(), "KeyEvent");
    EXPECT_LT(sink.frames, 1800u);
  }
}

// Full screen on every monitor: each monitor gets a window of its own showing
// the frame letterboxed, and one key on any of them ends the loop. The two
// monitors are declared to RandR as a desktop with two declares them.
TEST(EveryMonitor, EachShowsTheSceneAndOneKeyEndsIt) {
  XServer x;
  for (const auto& [name, left] : {std::pair{"LEFT", 0}, {"RIGHT", 1024}}) {
    XRRMonitorInfo monitor{};  // as `xrandr --setmonitor` declares it
    monitor.name = XInternAtom(x.display(), name, False);
    monitor.x = left;
    monitor.width = 1024;
    monitor.height = 768;
    monitor.mwidth = 270;
    monitor.mheight = 200;
    XRRSetMonitor(x.display(), x.Root(), &monitor);
  }
  XSync(x.display(), False);
  const std::vector<MonitorArea> monitors = CreateX11Platform({})->Monitors();
  ASSERT_EQ(monitors.size(), 2u);
  EXPECT_EQ(monitors[1].x, 1024);
  const unsigned windowsBefore = x.TopLevelWindows();

  auto driver = std::make_unique<SdlDisplay>(ScreenOptions{.windowed = false, .hostWindow = {}, .monitors = monitors, .statsPath = {}, .display = {}});
  ASSERT_TRUE(driver->drawing().OpenScreen(800, 600, 16, ""));
  MovingScene scene(driver->drawing());
  std::vector<std::size_t> differing;
  unsigned windowsWhileRunning = 0;
  RecordingSink sink;
  sink.frameLimit = 1800;  // a guard: the key should end it long before
  sink.onFrame = [&](std::uint64_t frame) {
    scene.Draw(frame);
    if (frame == 420) {
      windowsWhileRunning = x.TopLevelWindows();
      for (const MonitorArea& m : monitors) {
        differing.push_back(Differing(WholeRepaint(driver->drawing().Front(), m.width, m.height),
                                      x.Grab(x.Root(), m.x, m.y, m.width, m.height)));
      }
      std::system("xdotool key a");
    }
  };
  driver->RunEvents(sink);
  EXPECT_EQ(windowsWhileRunning, windowsBefore + monitors.size()) << "one window per monitor";
  EXPECT_EQ(differing, (std::vector<std::size_t>{0, 0})) << "pixels not as a whole repaint";
  EXPECT_EQ(sink.events.back(), "KeyEvent");
  EXPECT_LT(sink.frames, 1800u);
}

}  // namespace
}  // namespace aerolark
