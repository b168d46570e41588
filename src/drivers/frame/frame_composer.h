#pragma once
// Composes frames in memory: the sprite table, the back buffer the drawing
// operations write, and the front buffer a flip publishes. Every drawing
// driver composes through this, so only presenting differs between them.
//
// A scene starts with a backdrop (a fill, or an opaque picture covering the
// frame) and draws flyers and overlays on it. The composer remembers which
// backdrop the back buffer holds and what was drawn over it since, so the
// next scene's backdrop repaints only that, and a flip copies only what
// changed.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "drivers/frame/backdrop.h"
#include "drivers/frame/damage.h"
#include "drivers/frame/frame_buffer.h"
#include "drivers/frame/sprite_image.h"
#include "drivers/frame/text_renderer.h"
#include "render/drawing_control.h"

namespace aerolark {

// Frame sizes accepted by Open.
constexpr int kMaxFrameSide = 4096;

class FrameComposer {
 public:
  // Makes black back and front frames of this size; false for a size that
  // is not positive or beyond kMaxFrameSide. Sprites survive a reopen.
  bool Open(std::int32_t width, std::int32_t height);

  SpriteId NewSprite();
  void LoadSprite(SpriteId id, const std::string& path, std::int32_t keyMode);
  void SetSpriteX(SpriteId id, std::int32_t x);
  void SetSpriteY(SpriteId id, std::int32_t y);
  void MoveSpriteX(SpriteId id, std::int32_t deltaX);
  void MoveSpriteY(SpriteId id, std::int32_t deltaY);
  std::int32_t GetSpriteX(SpriteId id) const;  // 0 for an unknown id
  std::int32_t GetSpriteY(SpriteId id) const;
  // True when the sprite, drawn at (0, 0), would cover every pixel of the frame.
  bool SpriteCoversFrame(SpriteId id) const;
  void DrawSprite(SpriteId id);
  void FillScreen(Colour colour);
  void SetFont(const std::string& name, std::int32_t size, bool bold, bool italic,
               bool underline);
  void DrawText(const std::string& text, std::int32_t x, std::int32_t y, Colour colour);
  // The front frame becomes equal to the back frame; the back keeps its content.
  void Flip();

  const FrameBuffer& Back() const { return back_; }
  const FrameBuffer& Front() const { return front_; }
  // How many flips so far: a presenter shows a frame when this changes.
  std::uint64_t FlipCount() const { return flips_; }

 private:
  struct Sprite {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::shared_ptr<const SpriteImage> image;  // none: draws nothing
  };
  Sprite* Find(SpriteId id);
  const Sprite* Find(SpriteId id) const;
  void DrawBackdrop(Backdrop backdrop);

  FrameBuffer back_;
  Backdrop backdrop_;        // what the back buffer holds beneath...
  DamageList overBackdrop_;  // ...the parts drawn over it since
  FrameBuffer front_;
  std::uint64_t flips_ = 0;
  SpriteId lastId_ = 0;
  std::unordered_map<SpriteId, Sprite> sprites_;
  TextRenderer text_;
};

}  // namespace aerolark
