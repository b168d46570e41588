#include "drivers/x11/connection_watch.h"

#include <poll.h>

#include <X11/Xlib.h>

namespace aerolark {

bool HasQueuedEvents(Display* display) { return XEventsQueued(display, QueuedAlready) > 0; }

bool WaitForBytes(Display* display, int milliseconds, bool flush) {
  if (flush) XFlush(display);
  if (HasQueuedEvents(display)) return true;  // the flush read them
  pollfd descriptor{ConnectionNumber(display), POLLIN, 0};
  // A signal (-1) or the connection's end wakes the caller as input does.
  return poll(&descriptor, 1, milliseconds) != 0;
}

}  // namespace aerolark
