#pragma once
// A drawing control that keeps each sprite's place, so that GetSpriteX
// answers as a real surface would, and answers as a test tells it. Wrapped in
// the program's TracedDrawing, its calls are recorded as trace lines.

#include <map>
#include <set>
#include <string>

#include "render/drawing_control.h"

namespace aerolark::testing {

struct SpritePlace {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::string path;
};

class StubDrawing final : public DrawingControl {
 public:
  // What OpenScreen answers; the first id NewSprite hands out.
  bool openScreenResult = true;
  SpriteId nextId = 1;
  // Pictures that do not cover the whole frame (missing, unreadable, small).
  std::set<std::string> partialPictures;

  bool OpenScreen(std::int32_t, std::int32_t, std::int32_t, const std::string&) override {
    return openScreenResult;
  }
  SpriteId NewSprite() override {
    sprites_[nextId];
    return nextId++;
  }
  void LoadSprite(SpriteId id, std::int32_t, const std::string& path, std::int32_t) override {
    sprites_[id].path = path;
  }
  void SetSpriteX(SpriteId id, std::int32_t x) override { sprites_[id].x = x; }
  void SetSpriteY(SpriteId id, std::int32_t y) override { sprites_[id].y = y; }
  void MoveSpriteX(SpriteId id, std::int32_t deltaX) override { sprites_[id].x += deltaX; }
  void MoveSpriteY(SpriteId id, std::int32_t deltaY) override { sprites_[id].y += deltaY; }
  std::int32_t GetSpriteX(SpriteId id) override { return sprites_[id].x; }
  void DrawSprite(SpriteId) override {}
  void FillScreen(Colour) override {}
  void SetFont(const std::string&, std::int32_t, std::int32_t, bool, bool, bool) override {}
  void DrawText(const std::string&, std::int32_t, std::int32_t, Colour) override {}
  void FlipScreen() override {}
  bool SpriteCoversScreen(SpriteId id) override {
    auto found = sprites_.find(id);
    return found != sprites_.end() && !found->second.path.empty() &&
           !partialPictures.contains(found->second.path);
  }

  const SpritePlace& Place(SpriteId id) const { return sprites_.at(id); }

 private:
  std::map<SpriteId, SpritePlace> sprites_;
};

}  // namespace aerolark::testing
