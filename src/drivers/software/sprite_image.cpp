#include "drivers/software/sprite_image.h"

#include <algorithm>

#include "render/drawing_control.h"

namespace aerolark {

SpriteImage::SpriteImage(const Picture& picture, std::int32_t keyMode)
    : width_(picture.width), height_(picture.height) {
  const bool keyed = keyMode == kKeyTopLeftTransparent;
  const Pixel565 key = picture.pixels.empty() ? 0 : picture.pixels.front();
  rowRuns_.reserve(static_cast<std::size_t>(height_) + 1);
  for (int y = 0; y < height_; ++y) AddRow(picture, y, keyed, key);
  rowRuns_.push_back(static_cast<std::uint32_t>(runs_.size()));
  pixels_.shrink_to_fit();
  runs_.shrink_to_fit();
}

void SpriteImage::AddRow(const Picture& picture, int y, bool keyed, Pixel565 key) {
  rowRuns_.push_back(static_cast<std::uint32_t>(runs_.size()));
  const std::size_t rowStart = static_cast<std::size_t>(y) * width_;
  auto drawn = [&](int x) {
    const std::size_t at = rowStart + x;
    return !keyed || (picture.covered[at] && picture.pixels[at] != key);
  };
  int x = 0;
  while (x < width_) {
    while (x < width_ && !drawn(x)) ++x;
    const int start = x;
    while (x < width_ && drawn(x)) ++x;
    if (x > start) {
      runs_.push_back({start, x - start, static_cast<std::uint32_t>(pixels_.size())});
      pixels_.insert(pixels_.end(), picture.pixels.begin() + rowStart + start,
                     picture.pixels.begin() + rowStart + x);
    }
  }
}

Box SpriteImage::DrawInto(FrameBuffer& frame, std::int64_t x, std::int64_t y,
                          const Box& clip) const {
  const Box within = clip.Intersection(frame.Bounds());
  const std::int64_t left = std::max<std::int64_t>(x, within.left);
  const std::int64_t right = std::min<std::int64_t>(x + width_, within.right);
  const std::int64_t top = std::max<std::int64_t>(y, within.top);
  const std::int64_t bottom = std::min<std::int64_t>(y + height_, within.bottom);
  if (top >= bottom || left >= right) return {};
  for (std::int64_t frameY = top; frameY < bottom; ++frameY) {
    const auto row = static_cast<std::size_t>(frameY - y);
    Pixel565* target = frame.Row(static_cast<int>(frameY));
    for (std::uint32_t r = rowRuns_[row]; r < rowRuns_[row + 1]; ++r) {
      const Run& run = runs_[r];
      const std::int64_t from = std::max<std::int64_t>(x + run.start, left);
      const std::int64_t to = std::min<std::int64_t>(x + run.start + run.length, right);
      if (from >= to) continue;
      const Pixel565* source = pixels_.data() + run.pixel + (from - x - run.start);
      std::copy_n(source, to - from, target + from);
    }
  }
  const Box drawn{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
                   static_cast<int>(bottom)};
  frame.MarkChanged(drawn);
  return drawn;
}

}  // namespace aerolark
