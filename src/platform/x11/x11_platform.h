#pragma once
// Operating-system services on an X11 desktop.

#include <memory>
#include <optional>

#include "platform/platform_services.h"

namespace aerolark {

struct X11PlatformOptions {
  // False when a host owns the screen and the pointer (XScreenSaver): the
  // saver then leaves the pointer alone.
  bool managePointer = true;
};

// Nothing when no X display can be opened.
std::unique_ptr<PlatformServices> CreateX11Platform(const X11PlatformOptions& options);

// Where a host's window lies, in the desktop's coordinates; nothing when it
// or the display is not there.
std::optional<MonitorArea> X11WindowArea(unsigned long window);

}  // namespace aerolark
