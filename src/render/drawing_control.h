#pragma once
// The drawing control: an 800 x 600 sprite surface in 16-bit colour.
// The saver talks to the screen only through this contract; the operation
// names and argument orders are the ones the saver's code is written against.

#include <cstdint>
#include <string>

#include "render/contract_types.h"

namespace aerolark {

using SpriteId = std::int32_t;

// KeyMode of LoadSprite.
constexpr std::int32_t kKeyTopLeftTransparent = -1;  // flying sprites
constexpr std::int32_t kKeyOpaque = -2;              // whole pictures

class DrawingControl {
 public:
  virtual ~DrawingControl() = default;

  // Opens the screen; false when it cannot (no display, no window).
  virtual bool OpenScreen(std::int32_t width, std::int32_t height, std::int32_t bitDepth,
                          const std::string& options) = 0;
  // Hands out a new sprite id: positive, never reused.
  virtual SpriteId NewSprite() = 0;
  // The picture becomes the sprite's image; a missing or unreadable file
  // leaves a sprite that draws nothing.
  virtual void LoadSprite(SpriteId id, std::int32_t frames, const std::string& path,
                          std::int32_t keyMode) = 0;
  virtual void SetSpriteX(SpriteId id, std::int32_t x) = 0;
  virtual void SetSpriteY(SpriteId id, std::int32_t y) = 0;
  virtual void MoveSpriteX(SpriteId id, std::int32_t deltaX) = 0;
  virtual void MoveSpriteY(SpriteId id, std::int32_t deltaY) = 0;
  virtual std::int32_t GetSpriteX(SpriteId id) = 0;
  // Copies the sprite into the frame being composed, top left at its position.
  virtual void DrawSprite(SpriteId id) = 0;
  virtual void FillScreen(Colour colour) = 0;
  // Font for the following DrawText calls; size is the text height in pixels.
  virtual void SetFont(const std::string& name, std::int32_t size, std::int32_t charset,
                       bool bold, bool italic, bool underline) = 0;
  // Draws the text with its top left at (x, y).
  virtual void DrawText(const std::string& text, std::int32_t x, std::int32_t y,
                        Colour colour) = 0;
  // Publishes the composed frame; the back buffer keeps its content.
  virtual void FlipScreen() = 0;

  // A query, not a drawing call: it is never traced and changes nothing.
  // True when the sprite's picture was loaded and is at least as large as the
  // 800 x 600 frame, so that drawn at (0, 0) it covers every pixel. False for a
  // picture that is missing, unreadable or smaller, and for an unknown id.
  virtual bool SpriteCoversScreen(SpriteId id) = 0;
};

}  // namespace aerolark
