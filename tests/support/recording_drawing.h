#pragma once
// A drawing control that records every call as a trace line and keeps each
// sprite's position, so that GetSpriteX answers as a real surface would.

#include <map>
#include <set>
#include <string>

#include "render/drawing_control.h"
#include "support/call_log.h"

namespace aerolark::testing {

struct SpritePlace {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::string path;
};

class RecordingDrawing final : public DrawingControl {
 public:
  explicit RecordingDrawing(CallLog& log) : log_(log) {}

  // What OpenScreen answers; the first id NewSprite hands out.
  bool openScreenResult = true;
  SpriteId nextId = 1;
  // Pictures that do not cover the whole frame (missing, unreadable, small).
  std::set<std::string> partialPictures;

  bool OpenScreen(std::int32_t width, std::int32_t height, std::int32_t bitDepth,
                  const std::string& options) override;
  SpriteId NewSprite() override;
  void LoadSprite(SpriteId id, std::int32_t frames, const std::string& path,
                  std::int32_t keyMode) override;
  void SetSpriteX(SpriteId id, std::int32_t x) override;
  void SetSpriteY(SpriteId id, std::int32_t y) override;
  void MoveSpriteX(SpriteId id, std::int32_t deltaX) override;
  void MoveSpriteY(SpriteId id, std::int32_t deltaY) override;
  std::int32_t GetSpriteX(SpriteId id) override;
  void DrawSprite(SpriteId id) override;
  void FillScreen(Colour colour) override;
  void SetFont(const std::string& name, std::int32_t size, std::int32_t charset, bool bold,
               bool italic, bool underline) override;
  void DrawText(const std::string& text, std::int32_t x, std::int32_t y,
                Colour colour) override;
  void FlipScreen() override;
  bool SpriteCoversScreen(SpriteId id) override;

  const SpritePlace& Place(SpriteId id) const { return sprites_.at(id); }
  int flips() const { return flips_; }

 private:
  CallLog& log_;
  std::map<SpriteId, SpritePlace> sprites_;
  int flips_ = 0;
};

}  // namespace aerolark::testing
