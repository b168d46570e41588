#include "platform/x11/x11_error_trap.h"

namespace aerolark {
namespace {

// Xlib's error handler takes no user data, so the count has to live here;
// traps are used on the one thread only.
int errorsSeen = 0;

int CountError(Display*, XErrorEvent*) {
  ++errorsSeen;
  return 0;
}

}  // namespace

X11ErrorTrap::X11ErrorTrap(Display* display) : display_(display) {
  XSync(display_, False);
  errorsSeen = 0;
  previous_ = XSetErrorHandler(CountError);
}

X11ErrorTrap::~X11ErrorTrap() {
  XSync(display_, False);
  XSetErrorHandler(previous_);
}

bool X11ErrorTrap::Failed() {
  XSync(display_, False);
  return errorsSeen != 0;
}

}  // namespace aerolark
