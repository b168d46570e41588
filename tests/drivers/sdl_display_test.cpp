// Drawing on a real (virtual) X server, a screen two monitors wide: what
// appears on our own windows and a host's, and how the loop ends. One own
// window with its bars, input and a signal's end are tried on the whole
// program (tests/program/saver_exit_test.sh), no display at all by the
// start-up script.

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <unistd.h>
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
#include "support/scripted_sink.h"
#include "platform/x11/x11_platform.h"

namespace aerolark {
namespace {

using namespace testing;  // the colours

using Pixels = std::vector<std::uint32_t>;  // row by row, as 0xRRGGBB

// The test's own connection to the X server: what the screen shows, and how
// many windows stand on it.
struct XServer {
  ~XServer() {
    if (display) XCloseDisplay(display);
  }
  Window Root() const { return DefaultRootWindow(display); }

  Pixels Grab(Window window, int x, int y, int width, int height) const {
    XImage* image = XGetImage(display, window, x, y, width, height, AllPlanes, ZPixmap);
    Pixels pixels;
    for (int row = 0; row < height; ++row) {
      for (int column = 0; column < width; ++column) {
        pixels.push_back(XGetPixel(image, column, row) & 0xFFFFFF);
      }
    }
    XDestroyImage(image);
    return pixels;
  }
  // Top-level windows this process made (SDL names its process on each):
  // others, such as a D-Bus session's helper window, do not count.
  unsigned OwnTopLevelWindows() const {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Window root, parent, *children = nullptr;
    unsigned count = 0, own = 0;
    XQueryTree(display, Root(), &root, &parent, &children, &count);
    for (unsigned i = 0; i < count; ++i) {
      Atom type;
      int format;
      unsigned long items, left;
      unsigned char* data = nullptr;
      if (XGetWindowProperty(display, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type,
                             &format, &items, &left, &data) == Success && data != nullptr) {
        if (items == 1 && *reinterpret_cast<unsigned long*>(data) == static_cast<unsigned long>(getpid())) ++own;
        XFree(data);
      }
    }
    if (children) XFree(children);
    return own;
  }

  Display* const display = XOpenDisplay(nullptr);
};

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

// How many pixels of the area at (left, top) of `window` differ from a whole
// repaint of the frame onto that area.
std::size_t NotRepainted(const XServer& x, const FrameBuffer& frame, Window window, int left,
                         int top, int width, int height) {
  const Pixels want = WholeRepaint(frame, width, height);
  const Pixels got = x.Grab(window, left, top, width, height);
  std::size_t count = 0;
  for (std::size_t i = 0; i < want.size(); ++i) count += want[i] != got[i];
  return count;
}

// Runs the loop over two sprites moving about until frame 240 and still
// after, over red, calling `at` after each frame. Only the parts that changed
// are converted, scaled and sent, so by frame 420 the screen must hold exactly
// a whole repaint of the frame, nothing stale and no seams. The loop must end
// with a key event (raised too when a host window goes) long before a guard of
// 1800 frames; with `endOnKey` false, by itself.
void RunScene(SdlDisplay& driver, bool endOnKey, const std::function<void(int)>& at) {
  SoftwareCompositor& draw = driver.drawing();
  ASSERT_TRUE(draw.OpenScreen(800, 600, 16, ""));
  TempFolder folder;
  const auto gradient = [](int x, int y) { return PackColour(x * 2 % 256, y * 3 % 256, 128); };
  const SpriteId big = draw.NewSprite(), small = draw.NewSprite();
  draw.LoadSprite(big, 1, WritePicture(folder.File("big.bmp"), 170, 130, gradient), kKeyOpaque);
  draw.LoadSprite(small, 1, WritePicture(folder.File("small.bmp"), 61, 47, gradient), kKeyOpaque);
  ScriptedSink sink(1800, [&](int frame) {
    const int step = std::min(frame, 240);
    draw.FillScreen(kRed);
    draw.SetSpriteX(big, step * 3 - 100);
    draw.SetSpriteY(big, step * 2 + (step % 7));
    draw.SetSpriteX(small, 760 - step * 3);
    draw.SetSpriteY(small, 560 - step * 2);
    draw.DrawSprite(big);
    draw.DrawSprite(small);
    draw.FlipScreen();
    at(frame);
  }, endOnKey);
  driver.RunEvents(sink);
  EXPECT_EQ(sink.keys, 1);
  EXPECT_LT(sink.frames, 1800);
}

// A host's window is drawn into, at its size as it changes, with no window
// of our own; its end ends the loop.
TEST(SdlDisplay, AHostWindowShowsAWholeRepaintAtEachSizeUntilItGoes) {
  XServer x;
  Display* d = x.display;
  struct Case { int width, height, resizedWidth, resizedHeight; };
  const Case cases[] = {{520, 330, 800, 200},   // scaled down, bars at the sides
                        {800, 700, 400, 400}};  // bars above and below, unscaled, then scaled
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "host window " << c.width << " x " << c.height);
    const Window host = XCreateSimpleWindow(d, x.Root(), 0, 0, c.width, c.height, 0, 0, 0);
    XMapWindow(d, host);
    XSync(d, False);
    const unsigned windowsBefore = x.OwnTopLevelWindows();
    SdlDisplay driver(ScreenOptions{.windowed = false, .hostWindow = host, .monitors = {}, .statsPath = {}, .display = {}});
    std::vector<std::size_t> differing;
    unsigned windowsWhileRunning = 0;
    RunScene(driver, false, [&](int frame) {
      if (frame == 420) {
        differing.push_back(
            NotRepainted(x, driver.drawing().Front(), host, 0, 0, c.width, c.height));
        windowsWhileRunning = x.OwnTopLevelWindows();
        XResizeWindow(d, host, c.resizedWidth, c.resizedHeight);
        XSync(d, False);
      }
      if (frame == 600) {  // nothing new drawn since, but the whole window is new
        differing.push_back(NotRepainted(x, driver.drawing().Front(), host, 0, 0, c.resizedWidth,
                                         c.resizedHeight));
        XDestroyWindow(d, host);
        XSync(d, False);
      }
    });
    EXPECT_EQ(differing, (std::vector<std::size_t>{0, 0})) << "pixels not as a whole repaint";
    EXPECT_EQ(windowsWhileRunning, windowsBefore);
  }
}

// Full screen on every monitor: each monitor gets a window of its own showing
// the frame letterboxed, and one key on any of them ends the loop. The two
// monitors are declared to RandR as a desktop with two declares them.
TEST(EveryMonitor, EachShowsTheSceneAndOneKeyEndsIt) {
  XServer x;
  for (const auto& [name, left] : {std::pair{"LEFT", 0}, {"RIGHT", 1024}}) {
    XRRMonitorInfo monitor{};  // as `xrandr --setmonitor` declares it
    monitor.name = XInternAtom(x.display, name, False);
    monitor.x = left;
    monitor.width = 1024;
    monitor.height = 768;
    monitor.mwidth = 270;
    monitor.mheight = 200;
    XRRSetMonitor(x.display, x.Root(), &monitor);
  }
  XSync(x.display, False);
  const std::vector<MonitorArea> monitors = CreateX11Platform({})->Monitors();
  ASSERT_EQ(monitors.size(), 2u);
  EXPECT_EQ(monitors[1].x, 1024);
  const unsigned windowsBefore = x.OwnTopLevelWindows();

  SdlDisplay driver(ScreenOptions{.windowed = false, .hostWindow = {}, .monitors = monitors, .statsPath = {}, .display = {}});
  std::vector<std::size_t> differing;
  unsigned windowsWhileRunning = 0;
  RunScene(driver, true, [&](int frame) {
    if (frame != 420) return;
    windowsWhileRunning = x.OwnTopLevelWindows();
    for (const MonitorArea& m : monitors) {
      differing.push_back(
          NotRepainted(x, driver.drawing().Front(), x.Root(), m.x, m.y, m.width, m.height));
    }
    std::system("xdotool key a");
  });
  EXPECT_EQ(windowsWhileRunning, windowsBefore + monitors.size()) << "one window per monitor";
  EXPECT_EQ(differing, (std::vector<std::size_t>{0, 0})) << "pixels not as a whole repaint";
}

}  // namespace
}  // namespace aerolark
