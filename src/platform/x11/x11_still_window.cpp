#include "platform/x11/x11_still_window.h"

#include <X11/Xutil.h>

#include <bit>
#include <cstdlib>
#include <cstring>

#include "platform/x11/x11_error_trap.h"

namespace aerolark {
namespace {

// Places an 8-bit channel into a TrueColor visual's mask.
unsigned long Channel(std::uint32_t value8, unsigned long mask) {
  if (mask == 0) return 0;
  int shift = std::countr_zero(mask);
  int bits = std::popcount(mask);
  unsigned long scaled = bits >= 8 ? value8 << (bits - 8) : value8 >> (8 - bits);
  return (scaled << shift) & mask;
}

// The picture in the visual's own pixel format; nothing for visuals that are
// not TrueColor (the window then shows its black background only).
XImage* MakeImage(Display* display, const StillPicture& picture) {
  Visual* visual = DefaultVisual(display, DefaultScreen(display));
  int depth = DefaultDepth(display, DefaultScreen(display));
  if (picture.width <= 0 || picture.height <= 0 || visual->c_class != TrueColor) return nullptr;
  auto* data = static_cast<char*>(std::malloc(static_cast<std::size_t>(picture.width) *
                                              static_cast<std::size_t>(picture.height) * 4));
  if (data == nullptr) return nullptr;
  XImage* image = XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0, data,
                               static_cast<unsigned>(picture.width),
                               static_cast<unsigned>(picture.height), 32, 0);
  if (image == nullptr) {
    std::free(data);
    return nullptr;
  }
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      std::uint32_t rgb = picture.pixels[static_cast<std::size_t>(y * picture.width + x)];
      unsigned long pixel = Channel((rgb >> 16) & 0xff, visual->red_mask) |
                            Channel((rgb >> 8) & 0xff, visual->green_mask) |
                            Channel(rgb & 0xff, visual->blue_mask);
      XPutPixel(image, x, y, pixel);
    }
  }
  return image;
}

}  // namespace

int RunStillWindow(Display* display, ForeignWindow parent, WindowSize size,
                   const StillPicture& picture) {
  X11ErrorTrap trap(display);
  int screen = DefaultScreen(display);
  Window window = XCreateSimpleWindow(
      display, parent, 0, 0, static_cast<unsigned>(size.width > 0 ? size.width : 1),
      static_cast<unsigned>(size.height > 0 ? size.height : 1), 0, BlackPixel(display, screen),
      BlackPixel(display, screen));
  XStoreName(display, window, "Preview");
  XSelectInput(display, window, ExposureMask | StructureNotifyMask);
  XSelectInput(display, parent, StructureNotifyMask);
  XMapWindow(display, window);
  if (trap.Failed()) return 0;  // the parent went away, or never was a window

  XImage* image = MakeImage(display, picture);
  GC gc = XCreateGC(display, window, 0, nullptr);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == DestroyNotify) break;
    if (event.type == ConfigureNotify && event.xconfigure.window == parent) {
      XResizeWindow(display, window, static_cast<unsigned>(event.xconfigure.width),
                    static_cast<unsigned>(event.xconfigure.height));
    }
    if (event.type == Expose && event.xexpose.count == 0 && image != nullptr) {
      XPutImage(display, window, gc, image, 0, 0, 0, 0, static_cast<unsigned>(picture.width),
                static_cast<unsigned>(picture.height));
    }
  }
  XFreeGC(display, gc);
  if (image != nullptr) XDestroyImage(image);
  return 0;
}

}  // namespace aerolark
