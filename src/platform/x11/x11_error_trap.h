#pragma once
// Xlib's default error handler ends the process, and a foreign window (a
// host's, a preview's parent) can vanish under us at any moment. While a
// trap lives, X errors are recorded instead. Error handlers are process-wide
// and get no context, so there is one handler and one record for the whole
// program; traps nest, each restoring the handler it found.

#include <X11/Xlib.h>

namespace aerolark {

class X11ErrorTrap {
 public:
  explicit X11ErrorTrap(Display* display);
  ~X11ErrorTrap();
  X11ErrorTrap(const X11ErrorTrap&) = delete;
  X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;
  // Waits for the server's answers so far; true when any of them since the
  // trap was set was an error.
  bool Failed();

  // Errors recorded since the process began, whichever trap was set.
  static unsigned long ErrorsSeen();
  // Watches one window: from now on WatchedWindowGone() tells whether an
  // error said it no longer exists. 0 watches none.
  static void WatchWindow(Window window);
  static bool WatchedWindowGone();
  // The window's end learnt otherwise (its DestroyNotify).
  static void NoteWatchedWindowGone();

 private:
  Display* display_;
  unsigned long errorsBefore_;
  XErrorHandler previous_;
};

}  // namespace aerolark
