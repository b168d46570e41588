#include "drivers/software/backdrop.h"

#include <algorithm>
#include <utility>

namespace aerolark {

Backdrop Backdrop::Fill(Pixel565 colour) {
  Backdrop backdrop;
  backdrop.colour_ = colour;
  return backdrop;
}

Backdrop Backdrop::Picture(std::shared_ptr<const SpriteImage> image, std::int64_t x,
                           std::int64_t y) {
  Backdrop backdrop;
  backdrop.image_ = std::move(image);
  backdrop.x_ = x;
  backdrop.y_ = y;
  return backdrop;
}

void Backdrop::Paint(FrameBuffer& frame, const Box& area) const {
  if (image_) {
    image_->DrawInto(frame, x_, y_, area);
    return;
  }
  const Box within = area.Intersection(frame.Bounds());
  if (within.Empty()) return;
  for (int y = within.top; y < within.bottom; ++y) {
    std::fill(frame.Row(y) + within.left, frame.Row(y) + within.right, colour_);
  }
  frame.MarkChanged(within);
}

}  // namespace aerolark
