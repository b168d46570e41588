#pragma once
// Where a frame stands when scaled onto a larger or smaller area with its
// shape kept: centred, bars on two sides.

#include <algorithm>

#include "drivers/software/box.h"

namespace aerolark {

constexpr Box Letterbox(int frameWidth, int frameHeight, int areaWidth, int areaHeight) {
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
  const int left = (areaWidth - width) / 2, top = (areaHeight - height) / 2;
  return Box{left, top, left + width, top + height};
}

}  // namespace aerolark
