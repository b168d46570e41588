#pragma once
// Calls on an X11 window that another library made and keeps (an SDL
// window), reached through that library's connection. No Xlib header here.

#include <string>

struct _XDisplay;  // Xlib's Display

namespace aerolark {

struct ForeignX11Window {
  _XDisplay* display = nullptr;  // the library's connection
  unsigned long window = 0;
};

// Unmaps the window and waits until the server has done so.
void UnmapAtOnce(const ForeignX11Window& window);
// True when the window's server can give this process direct GPU rendering
// (it offers DRI3 or DRI2).
bool OffersDirectRendering(const ForeignX11Window& window);
// The name of the window's display, for a connection of one's own to it.
std::string DisplayNameOf(const ForeignX11Window& window);

}  // namespace aerolark
