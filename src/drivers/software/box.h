#pragma once
// A rectangle of pixels given by its edges, as frames and screens are clipped.

#include <algorithm>
#include <cstdint>

namespace aerolark {

// Columns [left, right) of rows [top, bottom).
struct Box {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  bool Empty() const { return left >= right || top >= bottom; }
  std::int64_t Area() const {
    return Empty() ? 0 : static_cast<std::int64_t>(Width()) * Height();
  }
  Box Union(const Box& other) const {
    return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
            std::max(bottom, other.bottom)};
  }
  Box Intersection(const Box& other) const {
    return {std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
            std::min(bottom, other.bottom)};
  }
  bool operator==(const Box&) const = default;
};

}  // namespace aerolark
