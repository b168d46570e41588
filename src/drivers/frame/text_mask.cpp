#include "drivers/frame/text_mask.h"

#include <algorithm>

namespace aerolark {
namespace {

// Mixes two RGB565 pixels channel by channel; `alpha` weighs `over`.
Pixel565 Blend(Pixel565 over, Pixel565 under, unsigned alpha) {
  const unsigned inverse = 255 - alpha;
  auto channel = [&](unsigned shift, unsigned mask) {
    const unsigned a = (over >> shift) & mask, b = (under >> shift) & mask;
    return ((a * alpha + b * inverse + 127) / 255) << shift;
  };
  return static_cast<Pixel565>(channel(11, 0x1F) | channel(5, 0x3F) | channel(0, 0x1F));
}

}  // namespace

void TextMask::DrawInto(FrameBuffer& frame, std::int64_t x, std::int64_t y,
                        Pixel565 colour) const {
  const std::int64_t top = std::max<std::int64_t>(y, 0);
  const std::int64_t bottom = std::min<std::int64_t>(y + height, frame.Height());
  const std::int64_t left = std::max<std::int64_t>(x, 0);
  const std::int64_t right = std::min<std::int64_t>(x + width, frame.Width());
  if (top >= bottom || left >= right) return;
  for (std::int64_t frameY = top; frameY < bottom; ++frameY) {
    const std::uint8_t* source =
        coverage.data() + static_cast<std::size_t>(frameY - y) * width + (left - x);
    Pixel565* target = frame.Row(static_cast<int>(frameY));
    for (std::int64_t frameX = left; frameX < right; ++frameX, ++source) {
      const unsigned alpha = *source;
      if (alpha == 255) {
        target[frameX] = colour;
      } else if (alpha != 0) {
        target[frameX] = Blend(colour, target[frameX], alpha);
      }
    }
  }
  frame.MarkDirty(static_cast<int>(top), static_cast<int>(bottom));
}

}  // namespace aerolark
