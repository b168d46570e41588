#pragma once
// The drawing operations every driver shares: they all compose through one
// FrameComposer. A driver adds opening, presenting and its event loop.

#include "drivers/drawing_driver.h"
#include "drivers/frame/frame_composer.h"

namespace aerolark {

class ComposingDriver : public DrawingDriver {
 public:
  SpriteId NewSprite() override { return composer_.NewSprite(); }
  // The frame count is always 1 here: a sprite holds one picture.
  void LoadSprite(SpriteId id, std::int32_t, const std::string& path,
                  std::int32_t keyMode) override {
    composer_.LoadSprite(id, path, keyMode);
  }
  void SetSpriteX(SpriteId id, std::int32_t x) override { composer_.SetSpriteX(id, x); }
  void SetSpriteY(SpriteId id, std::int32_t y) override { composer_.SetSpriteY(id, y); }
  void MoveSpriteX(SpriteId id, std::int32_t dx) override { composer_.MoveSpriteX(id, dx); }
  void MoveSpriteY(SpriteId id, std::int32_t dy) override { composer_.MoveSpriteY(id, dy); }
  std::int32_t GetSpriteX(SpriteId id) override { return composer_.GetSpriteX(id); }
  void DrawSprite(SpriteId id) override { composer_.DrawSprite(id); }
  void FillScreen(Colour colour) override { composer_.FillScreen(colour); }
  // The character set is ignored: texts are UTF-8.
  void SetFont(const std::string& name, std::int32_t size, std::int32_t, bool bold, bool italic,
               bool underline) override {
    composer_.SetFont(name, size, bold, italic, underline);
  }
  void DrawText(const std::string& text, std::int32_t x, std::int32_t y,
                Colour colour) override {
    composer_.DrawText(text, x, y, colour);
  }
  void FlipScreen() override { composer_.Flip(); }
  bool SpriteCoversScreen(SpriteId id) override { return composer_.SpriteCoversFrame(id); }

  const FrameComposer& Composer() const { return composer_; }

 protected:
  FrameComposer composer_;
};

}  // namespace aerolark
