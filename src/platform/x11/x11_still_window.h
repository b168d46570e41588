#pragma once
// A window of our own inside a foreign parent, showing a still picture at its
// top left, for as long as the parent lives.

#include <X11/Xlib.h>

#include "platform/platform_services.h"

namespace aerolark {

// Returns the exit status (0) once the parent is destroyed or was never usable.
int RunStillWindow(Display* display, ForeignWindow parent, WindowSize size,
                   const StillPicture& picture);

}  // namespace aerolark
