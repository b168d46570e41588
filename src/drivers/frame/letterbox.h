#pragma once
// Where a frame stands when scaled onto a larger or smaller area with its
// shape kept: centred, bars on two sides.

#include <algorithm>

namespace aerolark {

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Rect&) const = default;
};

constexpr Rect Letterbox(int frameWidth, int frameHeight, int areaWidth, int areaHeight) {
  if (frameWidth <= 0 || frameHeight <= 0 || areaWidth <= 0 || areaHeight <= 0) return {};
  // Compare the two aspect ratios in integers to avoid rounding drift.
  const long long wide = static_cast<long long>(areaWidth) * frameHeight;
  const long long tall = static_cast<long long>(areaHeight) * frameWidth;
  int width = areaWidth, height = areaHeight;
  if (wide > tall) {
    width = static_cast<int>(static_cast<long long>(areaHeight) * frameWidth / frameHeight);
  } else {
    height = static_cast<int>(static_cast<long long>(areaWidth) * frameHeight / frameWidth);
  }
  width = std::max(width, 1);
  height = std::max(height, 1);
  return Rect{(areaWidth - width) / 2, (areaHeight - height) / 2, width, height};
}

}  // namespace aerolark
