#pragma once
// What lies beneath a scene: the frame filled with one colour, or an opaque
// picture covering it. Two backdrops are equal when they would paint the
// same pixels, which lets the composer repaint only what was drawn over one.

#include <cstdint>
#include <memory>

#include "drivers/software/frame_buffer.h"
#include "drivers/software/sprite_image.h"

namespace aerolark {

class Backdrop {
 public:
  static Backdrop Fill(Pixel565 colour);
  // `image` must be opaque and cover the frame when drawn at (x, y).
  static Backdrop Picture(std::shared_ptr<const SpriteImage> image, std::int64_t x,
                          std::int64_t y);

  // Paints `area` of the frame and marks it changed.
  void Paint(FrameBuffer& frame, const Box& area) const;

  bool operator==(const Backdrop& other) const {
    return image_ == other.image_ &&
           (image_ ? x_ == other.x_ && y_ == other.y_ : colour_ == other.colour_);
  }

 private:
  Pixel565 colour_ = 0;
  std::shared_ptr<const SpriteImage> image_;  // none: a fill; kept alive so it cannot be mistaken for another
  std::int64_t x_ = 0;
  std::int64_t y_ = 0;
};

}  // namespace aerolark
