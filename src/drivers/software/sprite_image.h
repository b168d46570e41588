#pragma once
// A sprite's picture prepared for fast drawing: each row is stored as runs of
// drawn pixels, so transparent pixels cost nothing and drawn ones are copied
// in blocks.

#include <cstdint>
#include <vector>

#include "drivers/software/frame_buffer.h"
#include "drivers/software/picture.h"

namespace aerolark {

class SpriteImage {
 public:
  // keyMode -1: pixels of the top-left pixel's colour, and pixels the
  // picture's own alpha hides, are transparent. Any other mode: every pixel
  // is drawn.
  SpriteImage(const Picture& picture, std::int32_t keyMode);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // True when every pixel of the picture is drawn.
  bool Opaque() const {
    return pixels_.size() == static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
  }

  // True when the picture, drawn with its top left at (x, y), would cover
  // every pixel of the frame.
  bool Covers(const FrameBuffer& frame, std::int64_t x, std::int64_t y) const {
    return Opaque() && x <= 0 && y <= 0 && x + width_ >= frame.Width() &&
           y + height_ >= frame.Height();
  }

  // Draws with the top left at (x, y), clipped to `clip` and to the frame.
  // Returns the part of the frame it wrote, which it also marks changed.
  Box DrawInto(FrameBuffer& frame, std::int64_t x, std::int64_t y, const Box& clip) const;
  Box DrawInto(FrameBuffer& frame, std::int64_t x, std::int64_t y) const {
    return DrawInto(frame, x, y, frame.Bounds());
  }

 private:
  struct Run {
    std::int32_t start;   // first column of the run
    std::int32_t length;
    std::uint32_t pixel;  // index of its first pixel in pixels_
  };

  void AddRow(const Picture& picture, int y, bool keyed, Pixel565 key);

  int width_ = 0;
  int height_ = 0;
  std::vector<Pixel565> pixels_;          // drawn pixels only
  std::vector<Run> runs_;
  std::vector<std::uint32_t> rowRuns_;    // runs of row y: [rowRuns_[y], rowRuns_[y + 1])
};

}  // namespace aerolark
