#pragma once
// A rendered text as coverage, drawn in any colour.

#include <cstdint>
#include <vector>

#include "drivers/software/frame_buffer.h"

namespace aerolark {

struct TextMask {
  // `coverage` from 0 (transparent) to 255 (solid), row by row; it is kept in
  // 33 steps, finer than the 5 and 6 bits of a frame's channel.
  TextMask(int width, int height, std::vector<std::uint8_t> coverage);

  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> coverage;  // 0 to 32, row by row

  // Stretches of covered pixels, so that the empty space around and between
  // glyphs costs nothing to draw.
  struct Span {
    std::int32_t start;
    std::int32_t length;
  };
  std::vector<Span> spans;
  std::vector<std::uint32_t> rowSpans;  // spans of row y: [rowSpans[y], rowSpans[y + 1])

  // Draws with the top left at (x, y), clipped to the frame; edge pixels are
  // blended with what lies beneath. Returns the part of the frame it wrote,
  // which it also marks changed.
  Box DrawInto(FrameBuffer& frame, std::int64_t x, std::int64_t y, Pixel565 colour) const;
};

}  // namespace aerolark
