#include "support/stub_drawing.h"

#include <limits>

namespace aerolark::testing {
namespace {

// Positions saturate, as the real surface's do.
std::int32_t Moved(std::int32_t from, std::int32_t by) {
  std::int64_t sum = std::int64_t{from} + by;
  if (sum > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (sum < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(sum);
}

}  // namespace

SpriteId StubDrawing::NewSprite() {
  SpriteId id = nextId++;
  sprites_[id];
  return id;
}

void StubDrawing::MoveSpriteX(SpriteId id, std::int32_t deltaX) {
  sprites_[id].x = Moved(sprites_[id].x, deltaX);
}

void StubDrawing::MoveSpriteY(SpriteId id, std::int32_t deltaY) {
  sprites_[id].y = Moved(sprites_[id].y, deltaY);
}

bool StubDrawing::SpriteCoversScreen(SpriteId id) {
  auto found = sprites_.find(id);
  return found != sprites_.end() && !found->second.path.empty() &&
         partialPictures.count(found->second.path) == 0;
}

}  // namespace aerolark::testing
