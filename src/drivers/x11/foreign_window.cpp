#include "drivers/x11/foreign_window.h"

#include <X11/Xlib.h>

namespace aerolark {

void UnmapAtOnce(const ForeignX11Window& window) {
  XUnmapWindow(window.display, window.window);
  XSync(window.display, False);
}

bool OffersDirectRendering(const ForeignX11Window& window) {
  int opcode = 0, event = 0, error = 0;
  return XQueryExtension(window.display, "DRI3", &opcode, &event, &error) ||
         XQueryExtension(window.display, "DRI2", &opcode, &event, &error);
}

std::string DisplayNameOf(const ForeignX11Window& window) {
  return DisplayString(window.display);
}

}  // namespace aerolark
