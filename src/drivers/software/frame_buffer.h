#pragma once
// A frame being composed, in RGB565, with the parts changed since the last
// time they were taken, so that publishing copies only what changed.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "drivers/software/damage.h"
#include "drivers/software/pixel_format.h"

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

  Box Bounds() const { return {0, 0, width_, height_}; }

  // `area` was written; it is clipped to the frame.
  void MarkChanged(const Box& area) { changed_.Add(area.Intersection(Bounds())); }
  // What was written since the last CopyChangedFrom took it.
  const DamageList& Changed() const { return changed_; }

  // Makes `area` of this frame equal to `source`, writing only the pixels
  // that differ, and returns the smallest box holding all of them (empty
  // when none did): a sprite redrawn where it stood, or the part of a box
  // beside a moved sprite's outline, needs showing no more than it needs copying.
  Box CopyDifferingFrom(const FrameBuffer& source, const Box& area) {
    Box differing;
    for (int y = area.top; y < area.bottom; ++y) {
      const Pixel565* from = source.Row(y) + area.left;
      Pixel565* to = Row(y) + area.left;
      const int width = area.Width();
      if (std::equal(from, from + width, to)) continue;
      int left = 0, right = width;
      while (from[left] == to[left]) ++left;
      while (from[right - 1] == to[right - 1]) --right;
      std::copy(from + left, from + right, to + left);
      const Box row{area.left + left, y, area.left + right, y + 1};
      differing = differing.Empty() ? row : differing.Union(row);
    }
    return differing;
  }
  // Forgets what was written: it has been taken.
  void ClearChanged() { changed_.Clear(); }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Pixel565> pixels_;
  DamageList changed_;
};

}  // namespace aerolark
