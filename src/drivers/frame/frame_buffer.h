#pragma once
// A frame being composed, in RGB565, with the rows changed since the last
// time they were taken, so that publishing copies only what changed.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "drivers/frame/pixel_format.h"

namespace aerolark {

class FrameBuffer {
 public:
  FrameBuffer() = default;
  FrameBuffer(int width, int height)
      : width_(width), height_(height),
        pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return pixels_.empty(); }
  Pixel565* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const Pixel565* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const Pixel565* Data() const { return pixels_.data(); }
  Pixel565 At(int x, int y) const { return Row(y)[x]; }

  // Rows [top, bottom) were written.
  void MarkDirty(int top, int bottom) {
    dirtyTop_ = std::min(dirtyTop_, top);
    dirtyBottom_ = std::max(dirtyBottom_, bottom);
  }
  void MarkAllDirty() { MarkDirty(0, height_); }
  int DirtyTop() const { return dirtyTop_; }
  int DirtyBottom() const { return dirtyBottom_; }
  void ClearDirty() {
    dirtyTop_ = height_;
    dirtyBottom_ = 0;
  }

  // Makes this frame equal to `source`, copying only the rows `source`
  // changed since its last CopyChangedRowsFrom. Both frames must have been
  // equal outside those rows.
  void CopyChangedRowsFrom(FrameBuffer& source) {
    for (int y = source.dirtyTop_; y < source.dirtyBottom_; ++y) {
      std::copy_n(source.Row(y), width_, Row(y));
    }
    source.ClearDirty();
  }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Pixel565> pixels_;
  int dirtyTop_ = 0;
  int dirtyBottom_ = 0;
};

}  // namespace aerolark
