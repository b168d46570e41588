#pragma once
// A frame being composed, in RGB565, with the parts changed since the last
// time they were taken, so that publishing copies only what changed.

#include <algorithm>
#include <bit>
#include <cstring>
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
  // What was written since ClearChanged.
  const DamageList& Changed() const { return changed_; }

  // Makes `area` of this frame equal to `source`, writing only the pixels
  // that differ, and returns the smallest box holding all of them (empty
  // when none did): a sprite redrawn where it stood, or the untouched corners
  // of the box around a moved sprite, need neither copying nor showing.
  Box CopyDifferingFrom(const FrameBuffer& source, const Box& area) {
    Box differing;
    for (int y = area.top; y < area.bottom; ++y) {
      const Pixel565* from = source.Row(y) + area.left;
      Pixel565* to = Row(y) + area.left;
      const int width = area.Width();
      const int left = FirstDifference(from, to, width);
      if (left == width) continue;
      const int right = EndOfDifference(from, to, width);
      std::copy(from + left, from + right, to + left);
      const Box row{area.left + left, y, area.left + right, y + 1};
      differing = differing.Empty() ? row : differing.Union(row);
    }
    return differing;
  }
  // Forgets what was written: it has been taken.
  void ClearChanged() { changed_.Clear(); }

 private:
  // Where two rows of `count` pixels first differ (count when nowhere), and
  // one past where they last differ (0 when nowhere): four pixels a step.
  static int FirstDifference(const Pixel565* a, const Pixel565* b, int count) {
    int i = 0;
    if constexpr (std::endian::native == std::endian::little) {
      for (; i + 4 <= count; i += 4) {
        const std::uint64_t bits = FourPixels(a + i) ^ FourPixels(b + i);
        if (bits != 0) return i + std::countr_zero(bits) / 16;
      }
    }
    while (i < count && a[i] == b[i]) ++i;
    return i;
  }
  static int EndOfDifference(const Pixel565* a, const Pixel565* b, int count) {
    int end = count;
    if constexpr (std::endian::native == std::endian::little) {
      for (; end >= 4; end -= 4) {
        const std::uint64_t bits = FourPixels(a + end - 4) ^ FourPixels(b + end - 4);
        if (bits != 0) return end - 4 + (63 - std::countl_zero(bits)) / 16 + 1;
      }
    }
    while (end > 0 && a[end - 1] == b[end - 1]) --end;
    return end;
  }
  static std::uint64_t FourPixels(const Pixel565* at) {
    std::uint64_t bits;
    std::memcpy(&bits, at, sizeof bits);
    return bits;
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<Pixel565> pixels_;
  DamageList changed_;
};

}  // namespace aerolark
