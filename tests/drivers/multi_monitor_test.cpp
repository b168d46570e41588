// Full screen on every monitor: each monitor gets a window of its own showing
// the frame letterboxed 4:3, and one key on any of them ends the loop. Runs
// under an Xvfb screen two monitors wide, the monitors declared to RandR as a
// desktop with two monitors declares them.

#include <gtest/gtest.h>

#include <SDL.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>

#include <cstdlib>
#include <vector>

#include "drivers/sdl/sdl_display.h"
#include "drivers/software/letterbox.h"
#include "drivers/picture_fixtures.h"
#include "drivers/recording_sink.h"
#include "platform/x11/x11_platform.h"

namespace aerolark {
namespace {

using testing::kRed;
using testing::kBlue;
using testing::kBlack;


struct Seen {
  Colour quarter, rest, bar;
};

Colour ScreenAt(Display* display, int x, int y) {
  XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
  const unsigned long pixel = XGetPixel(image, 0, 0);
  XDestroyImage(image);
  return PackColour((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

unsigned TopLevelWindows(Display* display) {
  Window root, parent, *children = nullptr;
  unsigned count = 0;
  XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
  if (children) XFree(children);
  return count;
}

// Declares a monitor of half the screen's width, as `xrandr --setmonitor` does.
void DeclareMonitor(Display* display, const char* name, int x, int width, int height) {
  XRRMonitorInfo monitor{};
  monitor.name = XInternAtom(display, name, False);
  monitor.x = x;
  monitor.width = width;
  monitor.height = height;
  monitor.mwidth = width / 4;
  monitor.mheight = height / 4;
  XRRSetMonitor(display, DefaultRootWindow(display), &monitor);
  XSync(display, False);
}

TEST(EveryMonitor, EachShowsTheSceneAndOneKeyEndsIt) {
  Display* x = XOpenDisplay(nullptr);
  ASSERT_NE(x, nullptr);
  DeclareMonitor(x, "LEFT", 0, 1024, 768);
  DeclareMonitor(x, "RIGHT", 1024, 1024, 768);
  const std::vector<MonitorArea> monitors = CreateX11Platform({})->Monitors();
  ASSERT_EQ(monitors.size(), 2u);
  EXPECT_EQ(monitors[1].x, 1024);
  const unsigned windowsBefore = TopLevelWindows(x);

  testing::TempFolder folder;
  auto driver = std::make_unique<SdlDisplay>(ScreenOptions{.windowed = false, .hostWindow = {}, .monitors = monitors, .statsPath = {}, .display = {}});
  ASSERT_TRUE(driver->drawing().OpenScreen(800, 600, 16, ""));
  const SpriteId quarter = driver->drawing().NewSprite();
  driver->drawing().LoadSprite(quarter, 1,
                     testing::WriteBmp(folder.File("q.bmp"), 400, 300, testing::Solid(kBlue)),
                     kKeyOpaque);
  std::vector<Seen> seen;
  unsigned windowsWhileRunning = 0;
  testing::RecordingSink sink;
  sink.frameLimit = 1800;  // a guard: the key should end it long before
  sink.onFrame = [&](std::uint64_t frame) {
    driver->drawing().FillScreen(kRed);
    driver->drawing().DrawSprite(quarter);
    driver->drawing().FlipScreen();
    if (frame == 120) {
      windowsWhileRunning = TopLevelWindows(x);
      for (const MonitorArea& m : monitors) {
        const Box box = Letterbox(800, 600, m.width, m.height);
        const int left = m.x + box.left, top = m.y + box.top;
        // 1024 x 768 is 4:3 already; a wider monitor has bars at the sides.
        seen.push_back({ScreenAt(x, left + 5, top + 5),
                        ScreenAt(x, left + box.Width() - 5, top + box.Height() - 5),
                        box.left > 0 ? ScreenAt(x, m.x + box.left / 2, m.y + m.height / 2) : kBlack});
      }
    }
    if (frame == 150) std::system("xdotool key a");
  };
  driver->RunEvents(sink);

  EXPECT_EQ(windowsWhileRunning, windowsBefore + monitors.size()) << "one window per monitor";
  ASSERT_EQ(seen.size(), monitors.size());
  for (std::size_t i = 0; i < seen.size(); ++i) {
    EXPECT_EQ(seen[i].quarter, kBlue) << "monitor " << i;
    EXPECT_EQ(seen[i].rest, kRed) << "monitor " << i;
    EXPECT_EQ(seen[i].bar, kBlack) << "monitor " << i;
  }
  ASSERT_FALSE(sink.Events().empty());
  EXPECT_EQ(sink.Events().back(), "KeyEvent");
  EXPECT_LT(sink.frames, 1800u);
  XCloseDisplay(x);
}

}  // namespace
}  // namespace aerolark
