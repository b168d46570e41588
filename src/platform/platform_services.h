#pragma once
// Operating-system services the start-up and the saver window need.
// One implementation per system (x11/), and a null one for tests and for
// machines without a display.

#include <cstdint>
#include <optional>
#include <string>

namespace aerolark {

using ForeignWindow = std::uint32_t;  // an X11 window id

struct WindowSize {
  int width = 0;
  int height = 0;
};

class PlatformServices {
 public:
  virtual ~PlatformServices() = default;

  // True when a top-level window has exactly this title.
  virtual bool TopLevelWindowExists(const std::string& title) = 0;
  // The client size of a foreign window; nothing when it does not exist.
  virtual std::optional<WindowSize> ClientSize(ForeignWindow window) = 0;
  // Shows a still picture inside `parent`, at (0, 0) with the parent's client
  // size, until the parent is destroyed. Returns the exit status.
  virtual int RunPreview(ForeignWindow parent, const std::string& picturePath) = 0;

  virtual void ShowCursor(bool visible) = 0;
  // Tells the desktop whether a screen saver runs.
  virtual void SetScreenSaverRunning(bool running) = 0;
};

}  // namespace aerolark
