#pragma once
// The drawing control done in memory: the sprite table, the back frame the
// drawing operations write, and the front frame a flip publishes. Every
// backend draws through this; only showing the front frame differs.
//
// A scene starts with a backdrop (a fill, or an opaque picture covering the
// frame) and draws flyers and overlays on it. The compositor remembers which
// backdrop the back frame holds and what was drawn over it since, so the
// next scene's backdrop repaints only that, and a flip copies only what
// changed. A text drawn again where it stands over the same backdrop gives
// the pixels of drawing it once.

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "drivers/software/backdrop.h"
#include "drivers/software/damage.h"
#include "drivers/software/drawn_texts.h"
#include "drivers/software/frame_buffer.h"
#include "drivers/software/lru_cache.h"
#include "drivers/software/picture_decoder.h"
#include "drivers/software/sprite_image.h"
#include "drivers/software/text_rasteriser.h"
#include "render/drawing_control.h"

namespace aerolark {

// Frame sizes OpenScreen accepts.
constexpr int kMaxFrameSide = 4096;
// Text heights beyond these draw nothing.
constexpr int kMinTextHeight = 1;
constexpr int kMaxTextHeight = 1000;

// Where the published frames are shown: a window, a host's window, or
// nothing (memory only).
class FrameOutput {
 public:
  virtual ~FrameOutput() = default;
  // Gets ready to show frames of this size; false when nothing can show them.
  virtual bool OpenOutput(int frameWidth, int frameHeight) = 0;
};

class SoftwareCompositor final : public DrawingControl {
 public:
  // `output` may be null: frames are kept in memory only.
  SoftwareCompositor(PictureDecoder& pictures, TextRasteriser& text,
                     FrameOutput* output = nullptr);

  // Makes black back and front frames of this size, then opens the output.
  // Any bit depth is accepted: frames are composed in 16-bit colour. False
  // for a size that is not positive or beyond kMaxFrameSide, or when the
  // output cannot open. Sprites survive a reopen.
  bool OpenScreen(std::int32_t width, std::int32_t height, std::int32_t bitDepth,
                  const std::string& options) override;
  SpriteId NewSprite() override;
  // The frame count is always 1 here: a sprite holds one picture.
  void LoadSprite(SpriteId id, std::int32_t frames, const std::string& path,
                  std::int32_t keyMode) override;
  void SetSpriteX(SpriteId id, std::int32_t x) override;
  void SetSpriteY(SpriteId id, std::int32_t y) override;
  void MoveSpriteX(SpriteId id, std::int32_t deltaX) override;
  void MoveSpriteY(SpriteId id, std::int32_t deltaY) override;
  std::int32_t GetSpriteX(SpriteId id) override;  // 0 for an unknown id
  void DrawSprite(SpriteId id) override;
  void FillScreen(Colour colour) override;
  // The character set is ignored: texts are UTF-8.
  void SetFont(const std::string& name, std::int32_t size, std::int32_t charset, bool bold,
               bool italic, bool underline) override;
  void DrawText(const std::string& text, std::int32_t x, std::int32_t y,
                Colour colour) override;
  // The front frame becomes equal to the back frame; the back keeps its content.
  void FlipScreen() override;
  bool SpriteCoversScreen(SpriteId id) override;

  std::int32_t SpriteY(SpriteId id) const;  // 0 for an unknown id
  const FrameBuffer& Back() const { return back_; }
  const FrameBuffer& Front() const { return front_; }
  // How many flips so far: a presenter shows a frame when this changes.
  std::uint64_t FlipCount() const { return flips_; }
  // The parts of the front frame changed by the flips since MarkShown, so
  // that a presenter sends only those; the whole frame after OpenScreen.
  const DamageList& UnshownChanges() const { return unshown_; }
  void MarkShown() { unshown_.Clear(); }

 private:
  struct Sprite {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::shared_ptr<const SpriteImage> image;  // none: draws nothing
  };
  Sprite* Find(SpriteId id);
  const Sprite* Find(SpriteId id) const;
  void DrawBackdrop(Backdrop backdrop);
  std::shared_ptr<const TextMask> TextFor(const std::string& text);

  PictureDecoder& pictures_;
  TextRasteriser& rasteriser_;
  FrameOutput* output_;
  FrameBuffer back_;
  Backdrop backdrop_;        // what the back frame holds beneath...
  DamageList overBackdrop_;  // ...the parts drawn over it since
  DrawnTexts textsOver_;     // ...and the texts among them
  FrameBuffer front_;
  DamageList unshown_;  // of front_, since a presenter last showed it
  std::uint64_t flips_ = 0;
  SpriteId lastId_ = 0;
  std::unordered_map<SpriteId, Sprite> sprites_;
  FontRequest font_;
  std::string fontKey_;  // of font_, the start of its texts' cache keys
  std::string textKey_;  // a text's cache key, built in the same room every time
  // The clock draws the same text hundreds of times a second.
  LruCache<std::string, std::shared_ptr<const TextMask>> texts_;
};

}  // namespace aerolark
