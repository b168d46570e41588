#include "platform/x11/x11_platform.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>
#include <X11/extensions/Xrandr.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/x11/x11_error_trap.h"
#include "platform/x11/x11_still_window.h"

namespace aerolark {
namespace {

// Where a window lies on its screen, in the root window's coordinates;
// nothing when there is no such window.
std::optional<MonitorArea> WindowArea(Display* display, Window window) {
  X11ErrorTrap trap(display);
  XWindowAttributes attributes{};
  if (window == 0 || !XGetWindowAttributes(display, window, &attributes) || trap.Failed()) {
    return std::nullopt;
  }
  int x = 0, y = 0;
  Window child = 0;
  XTranslateCoordinates(display, window, attributes.root, 0, 0, &x, &y, &child);
  if (trap.Failed()) return std::nullopt;
  return MonitorArea{x, y, attributes.width, attributes.height};
}

// The property other programs can read to tell that a screen saver runs.
constexpr const char* kRunningProperty = "AEROLARK_SCREENSAVER_RUNNING";
// How deep under the root window a top-level title is looked for: window
// managers put each top-level window into a frame of their own.
constexpr int kTitleSearchDepth = 3;

bool Encloses(const MonitorArea& outer, const MonitorArea& inner) {
  return outer.x <= inner.x && outer.y <= inner.y &&
         outer.x + outer.width >= inner.x + inner.width &&
         outer.y + outer.height >= inner.y + inner.height &&
         (outer.width > inner.width || outer.height > inner.height);
}

// A monitor spanning others (the output's own, once parts of it are declared
// as monitors) is not one more place to cover.
std::vector<MonitorArea> WithoutEnclosing(const std::vector<MonitorArea>& areas) {
  std::vector<MonitorArea> kept;
  for (const MonitorArea& area : areas) {
    bool spansAnother = false;
    for (const MonitorArea& other : areas) spansAnother |= Encloses(area, other);
    if (!spansAnother) kept.push_back(area);
  }
  return kept;
}

class X11Platform final : public PlatformServices {
 public:
  X11Platform(Display* display, const X11PlatformOptions& options)
      : display_(display), options_(options) {}
  ~X11Platform() override { XCloseDisplay(display_); }

  bool TopLevelWindowExists(const std::string& title) override {
    X11ErrorTrap trap(display_);
    return HasTitleBelow(DefaultRootWindow(display_), title, kTitleSearchDepth);
  }

  int RunPreview(ForeignWindow parent, const StillPicture& picture) override {
    std::optional<MonitorArea> area = WindowArea(display_, parent);
    if (!area) return 0;  // no such window: end quietly
    return RunStillWindow(display_, parent, WindowSize{area->width, area->height}, picture);
  }

  // The monitors RandR reports, including those a user or a test declared
  // with `xrandr --setmonitor`.
  std::vector<MonitorArea> Monitors() override {
    std::vector<MonitorArea> areas;
    int eventBase = 0, errorBase = 0;
    if (!XRRQueryExtension(display_, &eventBase, &errorBase)) return areas;
    int count = 0;
    XRRMonitorInfo* monitors = XRRGetMonitors(display_, DefaultRootWindow(display_), True, &count);
    for (int i = 0; monitors != nullptr && i < count; ++i) {
      areas.push_back({monitors[i].x, monitors[i].y, monitors[i].width, monitors[i].height});
    }
    if (monitors != nullptr) XRRFreeMonitors(monitors);
    return WithoutEnclosing(areas);
  }

  void ShowCursor(bool visible) override {
    if (!options_.managePointer) return;
    Window root = DefaultRootWindow(display_);
    if (visible) {
      XFixesShowCursor(display_, root);
    } else {
      XFixesHideCursor(display_, root);
    }
    XFlush(display_);
  }

  void SetScreenSaverRunning(bool running) override {
    Window root = DefaultRootWindow(display_);
    Atom property = XInternAtom(display_, kRunningProperty, False);
    if (running) {
      long value = 1;
      XChangeProperty(display_, root, property, XA_CARDINAL, 32, PropModeReplace,
                      reinterpret_cast<unsigned char*>(&value), 1);
    } else {
      XDeleteProperty(display_, root, property);
    }
    XFlush(display_);
  }

 private:
  bool HasTitle(Window window, const std::string& title) {
    char* name = nullptr;
    bool found = false;
    if (XFetchName(display_, window, &name) && name != nullptr) {
      found = title == name;
      XFree(name);
    }
    return found || NetWmNameOf(window) == title;
  }

  std::string NetWmNameOf(Window window) {
    Atom property = XInternAtom(display_, "_NET_WM_NAME", False);
    Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    std::string name;
    if (XGetWindowProperty(display_, window, property, 0, 1024, False, utf8, &type, &format,
                           &count, &remaining, &data) == Success && data != nullptr) {
      if (type == utf8 && format == 8) name.assign(reinterpret_cast<char*>(data), count);
      XFree(data);
    }
    return name;
  }

  bool HasTitleBelow(Window parent, const std::string& title, int depth) {
    Window root = 0, parentOfParent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display_, parent, &root, &parentOfParent, &children, &count)) return false;
    std::vector<Window> list(children, children + count);
    if (children != nullptr) XFree(children);
    for (Window child : list) {
      if (HasTitle(child, title)) return true;
    }
    if (depth <= 1) return false;
    for (Window child : list) {
      if (HasTitleBelow(child, title, depth - 1)) return true;
    }
    return false;
  }

  Display* display_;
  X11PlatformOptions options_;
};

}  // namespace

std::unique_ptr<PlatformServices> CreateX11Platform(const X11PlatformOptions& options) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return nullptr;
  return std::make_unique<X11Platform>(display, options);
}

std::optional<MonitorArea> X11WindowArea(unsigned long window) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return std::nullopt;
  std::optional<MonitorArea> area = WindowArea(display, window);
  XCloseDisplay(display);
  return area;
}

}  // namespace aerolark
