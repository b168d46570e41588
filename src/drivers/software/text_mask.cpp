#include "drivers/software/text_mask.h"

#include <algorithm>
#include <utility>

namespace aerolark {
namespace {

// Mixes two RGB565 pixels; `alpha` (0 to 32) weighs `over`. The channels are
// spread apart in one 32-bit word (green high, red and blue low) so a single
// multiply mixes all three.
Pixel565 Blend(Pixel565 over, Pixel565 under, std::uint32_t alpha) {
  constexpr std::uint32_t kSpread = 0x07E0F81F;
  const std::uint32_t a = (over | (static_cast<std::uint32_t>(over) << 16)) & kSpread;
  const std::uint32_t b = (under | (static_cast<std::uint32_t>(under) << 16)) & kSpread;
  const std::uint32_t mixed = ((((a - b) * alpha) >> 5) + b) & kSpread;
  return static_cast<Pixel565>(mixed | (mixed >> 16));
}

}  // namespace

TextMask::TextMask(int width, int height, std::vector<std::uint8_t> coverage)
    : width(width), height(height), coverage(std::move(coverage)) {
  for (std::uint8_t& c : this->coverage) c = static_cast<std::uint8_t>((c * 32u + 127u) / 255u);
  rowSpans.reserve(static_cast<std::size_t>(height) + 1);
  for (int y = 0; y < height; ++y) {
    rowSpans.push_back(static_cast<std::uint32_t>(spans.size()));
    const std::uint8_t* row = this->coverage.data() + static_cast<std::size_t>(y) * width;
    for (int x = 0; x < width;) {
      while (x < width && row[x] == 0) ++x;
      const int start = x;
      while (x < width && row[x] != 0) ++x;
      if (x > start) spans.push_back({start, x - start});
    }
  }
  rowSpans.push_back(static_cast<std::uint32_t>(spans.size()));
}

Box TextMask::DrawInto(FrameBuffer& frame, std::int64_t x, std::int64_t y,
                        Pixel565 colour) const {
  const std::int64_t top = std::max<std::int64_t>(y, 0);
  const std::int64_t bottom = std::min<std::int64_t>(y + height, frame.Height());
  const std::int64_t left = std::max<std::int64_t>(x, 0);
  const std::int64_t right = std::min<std::int64_t>(x + width, frame.Width());
  if (top >= bottom || left >= right) return {};
  for (std::int64_t frameY = top; frameY < bottom; ++frameY) {
    const auto row = static_cast<std::size_t>(frameY - y);
    const std::uint8_t* source = coverage.data() + row * width;
    Pixel565* target = frame.Row(static_cast<int>(frameY));
    for (std::uint32_t s = rowSpans[row]; s < rowSpans[row + 1]; ++s) {
      const std::int64_t from = std::max<std::int64_t>(x + spans[s].start, left);
      const std::int64_t to = std::min<std::int64_t>(x + spans[s].start + spans[s].length, right);
      for (std::int64_t frameX = from; frameX < to; ++frameX) {
        const std::uint32_t alpha = source[frameX - x];
        target[frameX] = alpha == 32 ? colour : Blend(colour, target[frameX], alpha);
      }
    }
  }
  const Box drawn{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
                   static_cast<int>(bottom)};
  frame.MarkChanged(drawn);
  return drawn;
}

}  // namespace aerolark
