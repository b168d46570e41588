#pragma once
// Frames sent to an X11 window as an image, in shared memory where the
// server offers it, over a connection of our own.
//
// The server must have read a shared image before it is written again.
// Waiting for that after each present (XSync) is a round trip that wakes the
// process a second time every refresh; instead each present asks to be told
// when the server is done, and that word waits unread on this connection,
// which nothing polls, until the next present finds it there.

#include <memory>
#include <string>

#include <SDL.h>
#include <X11/Xlib.h>

#include <vector>

#include "drivers/software/damage.h"
#include "drivers/software/frame_buffer.h"
#include "drivers/software/nearest_scale.h"

namespace aerolark {

class XImagePresenter {
 public:
  // Null when the display cannot be opened or the window's visual has no
  // pixel format SDL knows. `displayName` empty: the DISPLAY variable's.
  static std::unique_ptr<XImagePresenter> Open(const std::string& displayName,
                                               unsigned long window);
  ~XImagePresenter();
  XImagePresenter(const XImagePresenter&) = delete;
  XImagePresenter& operator=(const XImagePresenter&) = delete;

  // The window's pixel format.
  Uint32 Format() const { return format_; }
  // Shows `frame` scaled onto the window's `width` x `height`, shape kept,
  // black bars around. Only the `changed` parts of the frame differ from the
  // frame shown last; null: send everything. A new size sends everything.
  void Show(const FrameBuffer& frame, const DamageList* changed, int width, int height);
  // "shared memory" or "XPutImage", once an image has been made.
  std::string Describe() const;

 struct Image;  // the image and its pixels; in the .cpp

 private:
  XImagePresenter() = default;
  bool SizeImage(int width, int height);
  void WaitUntilTaken();
  void Put(const Box& area, bool last);

  Display* display_ = nullptr;
  Window window_ = 0;
  GC gc_ = nullptr;
  Visual* visual_ = nullptr;
  int depth_ = 0;
  Uint32 format_ = SDL_PIXELFORMAT_UNKNOWN;
  int completionEvent_ = -1;  // the event type telling a shared put is done
  bool putPending_ = false;
  std::unique_ptr<Image> image_;
  NearestScale scale_;
  // Each RGB565 colour in Format(), as SDL converts it: converting and
  // scaling in one pass gives SDL's pixels without a converted copy.
  std::vector<Uint8> colours_;
  std::vector<Box> areas_;  // of one present; kept for its room
};

}  // namespace aerolark
