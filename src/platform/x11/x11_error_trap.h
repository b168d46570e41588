#pragma once
// While alive, X errors (a foreign window that is gone, a bad id) are
// recorded instead of ending the process through Xlib's default handler.

#include <X11/Xlib.h>

namespace aerolark {

class X11ErrorTrap {
 public:
  explicit X11ErrorTrap(Display* display);
  ~X11ErrorTrap();
  X11ErrorTrap(const X11ErrorTrap&) = delete;
  X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;
  // Waits for the server's answers so far; true when any of them was an error.
  bool Failed();

 private:
  Display* display_;
  int (*previous_)(Display*, XErrorEvent*);
};

}  // namespace aerolark
