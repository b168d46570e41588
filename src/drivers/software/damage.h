#pragma once
// Parts of a frame that have been written, as a few rectangles: enough to copy
// or repaint only what changed, cheap to keep for the twenty-odd drawings of
// a scene.

#include <cstdint>
#include <vector>

#include "drivers/software/box.h"

namespace aerolark {

class DamageList {
 public:
  // Adds `area`. Boxes are merged where their bounding box costs no more
  // than the two apart, so a sprite moved by a pixel stays one box and a
  // list that would cover most of its bounds becomes those bounds.
  void Add(Box area) {
    if (area.Empty()) return;
    for (std::size_t i = 0; i < boxes_.size();) {
      const Box merged = boxes_[i].Union(area);
      if (merged.Area() <= boxes_[i].Area() + area.Area()) {
        area = merged;
        boxes_.erase(boxes_.begin() + static_cast<std::ptrdiff_t>(i));
        i = 0;  // the larger rectangle may now absorb earlier ones
      } else {
        ++i;
      }
    }
    boxes_.push_back(area);
    if (boxes_.size() > kMaxBoxes || (boxes_.size() > 1 && TotalArea() >= Bounds().Area())) {
      Collapse();
    }
  }
  void Clear() { boxes_.clear(); }
  bool Empty() const { return boxes_.empty(); }
  const std::vector<Box>& Boxes() const { return boxes_; }

  Box Bounds() const {
    if (boxes_.empty()) return {};
    Box bounds = boxes_.front();
    for (const Box& r : boxes_) bounds = bounds.Union(r);
    return bounds;
  }

 private:
  static constexpr std::size_t kMaxBoxes = 32;

  std::int64_t TotalArea() const {
    std::int64_t total = 0;
    for (const Box& r : boxes_) total += r.Area();
    return total;
  }
  void Collapse() {
    const Box bounds = Bounds();
    boxes_.assign(1, bounds);
  }

  std::vector<Box> boxes_;
};

}  // namespace aerolark
