#pragma once
// The sprite ids of every picture the scene can show. An id of 0 means the
// sprite was not created (its picture is not needed in this run).

#include <array>

#include "render/drawing_control.h"

namespace aerolark {

inline constexpr int kBiplaneCount = 15;

struct SceneSprites {
  SpriteId monitor = 0;     // the second one-time hint picture
  SpriteId tuneMsg = 0;     // the first one-time hint picture
  SpriteId background = 0;  // the custom background picture
  SpriteId logo = 0;
  SpriteId aircraft = 0;
  SpriteId bgPlane = 0;
  std::array<SpriteId, kBiplaneCount> planes{};  // biplane n at index n - 1
};

}  // namespace aerolark
