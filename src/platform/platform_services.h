#pragma once
// Operating-system services the start-up and the saver window need.
// One implementation per system (x11/), and a null one for tests and for
// machines without a display.

#include <optional>
#include <string>
#include <vector>

#include "render/contract_types.h"

namespace aerolark {

class PlatformServices {
 public:
  virtual ~PlatformServices() = default;

  // True when a top-level window has exactly this title.
  virtual bool TopLevelWindowExists(const std::string& title) = 0;
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
