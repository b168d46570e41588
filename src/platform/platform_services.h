#pragma once
// Operating-system services the start-up and the saver window need.
// One implementation per system (x11/), and a null one for tests and for
// machines without a display.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace aerolark {

using ForeignWindow = std::uint32_t;  // an X11 window id

struct WindowSize {
  int width = 0;
  int height = 0;
};

// A monitor's place on the desktop, in pixels.
struct MonitorArea {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// A decoded picture: rows top to bottom, pixels 0xRRGGBB.
struct StillPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

class PlatformServices {
 public:
  virtual ~PlatformServices() = default;

  // True when a top-level window has exactly this title.
  virtual bool TopLevelWindowExists(const std::string& title) = 0;
  // The client size of a foreign window; nothing when it does not exist.
  virtual std::optional<WindowSize> ClientSize(ForeignWindow window) = 0;
  // Makes a window of our own a child of `parent`, placed at (0, 0) with the
  // parent's client size, showing `picture` at its top left, until the parent
  // is destroyed. Returns the exit status; a bad parent ends quietly.
  virtual int RunPreview(ForeignWindow parent, const StillPicture& picture) = 0;

  // The monitors as the desktop arranges them; empty when it cannot tell.
  virtual std::vector<MonitorArea> Monitors() = 0;

  virtual void ShowCursor(bool visible) = 0;
  // Tells the desktop whether a screen saver runs.
  virtual void SetScreenSaverRunning(bool running) = 0;
};

}  // namespace aerolark
