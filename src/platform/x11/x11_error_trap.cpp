#include "platform/x11/x11_error_trap.h"

#include <atomic>

namespace aerolark {
namespace {

std::atomic<unsigned long> errorsSeen{0};
std::atomic<unsigned long> watchedWindow{0};
std::atomic<bool> watchedWindowGone{false};

int RecordError(Display*, XErrorEvent* error) {
  ++errorsSeen;
  if (error->resourceid == watchedWindow.load() &&
      (error->error_code == BadWindow || error->error_code == BadDrawable)) {
    watchedWindowGone = true;
  }
  return 0;
}

}  // namespace

X11ErrorTrap::X11ErrorTrap(Display* display) : display_(display) {
  if (display_) XSync(display_, False);
  errorsBefore_ = errorsSeen;
  previous_ = XSetErrorHandler(RecordError);
}

X11ErrorTrap::~X11ErrorTrap() {
  if (display_) XSync(display_, False);
  XSetErrorHandler(previous_);
}

bool X11ErrorTrap::Failed() {
  if (display_) XSync(display_, False);
  return errorsSeen != errorsBefore_;
}

unsigned long X11ErrorTrap::ErrorsSeen() { return errorsSeen; }

void X11ErrorTrap::WatchWindow(Window window) {
  watchedWindow = window;
  watchedWindowGone = false;
}

bool X11ErrorTrap::WatchedWindowGone() { return watchedWindowGone; }

void X11ErrorTrap::NoteWatchedWindowGone() { watchedWindowGone = true; }

}  // namespace aerolark
