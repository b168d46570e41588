#pragma once
// Frames sent to an X11 window as an image, in shared memory where the
// server offers it, over a connection of our own. No Xlib header here, so
// its macros (None, Bool, Status) stay out of every includer.
//
// The server must have read a shared image before it is written again.
// Waiting for that after each present (XSync) is a round trip that wakes the
// process a second time every refresh; instead each present asks to be told
// when the server is done, and that word waits unread on this connection,
// which nothing polls, until the next present finds it there.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "drivers/software/damage.h"
#include "drivers/software/frame_buffer.h"

namespace aerolark {

// How an image of the window's visual holds a pixel.
struct PixelLayout {
  int bitsPerPixel = 0;
  unsigned long red = 0;  // the channels' masks
  unsigned long green = 0;
  unsigned long blue = 0;
};
// Each of the 65536 RGB565 colours as `layout` holds it, bitsPerPixel / 8
// bytes each in the machine's order; empty for a layout it does not know.
// The pixel library's conversion, so the window shows what it would.
using ColourTableMaker = std::function<std::vector<std::uint8_t>(const PixelLayout&)>;

class XImagePresenter {
 public:
  // Null when the display cannot be opened, the window is not there, or the
  // maker knows no colours for its visual. `displayName` empty: the DISPLAY
  // variable's.
  static std::unique_ptr<XImagePresenter> Open(const std::string& displayName,
                                               unsigned long window,
                                               const ColourTableMaker& colours);
  ~XImagePresenter();
  XImagePresenter(const XImagePresenter&) = delete;
  XImagePresenter& operator=(const XImagePresenter&) = delete;

  // Shows `frame` scaled onto the window's `width` x `height`, shape kept,
  // black bars around. Only the `changed` parts of the frame differ from the
  // frame shown last; null: send everything. A new size sends everything.
  void Show(const FrameBuffer& frame, const DamageList* changed, int width, int height);
  // "shared memory" or "XPutImage", once an image has been made.
  std::string Describe() const;

 private:
  struct State;  // the connection, the image and its pixels
  explicit XImagePresenter(std::unique_ptr<State> state);
  std::unique_ptr<State> state_;
};

}  // namespace aerolark
