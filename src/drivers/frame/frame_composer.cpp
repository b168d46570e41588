#include "drivers/frame/frame_composer.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace aerolark {
namespace {

std::int32_t SaturatingAdd(std::int32_t value, std::int32_t delta) {
  const std::int64_t sum = static_cast<std::int64_t>(value) + delta;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

bool FrameComposer::Open(std::int32_t width, std::int32_t height) {
  if (width <= 0 || height <= 0 || width > kMaxFrameSide || height > kMaxFrameSide) return false;
  back_ = FrameBuffer(width, height);
  front_ = FrameBuffer(width, height);
  backdrop_ = Backdrop::Fill(0);  // both frames start black
  overBackdrop_.Clear();
  return true;
}

FrameComposer::Sprite* FrameComposer::Find(SpriteId id) {
  const auto found = sprites_.find(id);
  return found == sprites_.end() ? nullptr : &found->second;
}

const FrameComposer::Sprite* FrameComposer::Find(SpriteId id) const {
  const auto found = sprites_.find(id);
  return found == sprites_.end() ? nullptr : &found->second;
}

SpriteId FrameComposer::NewSprite() {
  // Ids are never reused; after 2^31 - 1 sprites there are no more to hand
  // out and 0, which no call accepts, comes back.
  if (lastId_ == std::numeric_limits<SpriteId>::max()) return 0;
  ++lastId_;
  sprites_.emplace(lastId_, Sprite{});
  return lastId_;
}

void FrameComposer::LoadSprite(SpriteId id, const std::string& path, std::int32_t keyMode) {
  Sprite* sprite = Find(id);
  if (!sprite) return;
  const auto picture = ReadPicture(path);
  sprite->image = picture ? std::make_shared<const SpriteImage>(*picture, keyMode) : nullptr;
}

void FrameComposer::SetSpriteX(SpriteId id, std::int32_t x) {
  if (Sprite* sprite = Find(id)) sprite->x = x;
}

void FrameComposer::SetSpriteY(SpriteId id, std::int32_t y) {
  if (Sprite* sprite = Find(id)) sprite->y = y;
}

void FrameComposer::MoveSpriteX(SpriteId id, std::int32_t deltaX) {
  if (Sprite* sprite = Find(id)) sprite->x = SaturatingAdd(sprite->x, deltaX);
}

void FrameComposer::MoveSpriteY(SpriteId id, std::int32_t deltaY) {
  if (Sprite* sprite = Find(id)) sprite->y = SaturatingAdd(sprite->y, deltaY);
}

std::int32_t FrameComposer::GetSpriteX(SpriteId id) const {
  const Sprite* sprite = Find(id);
  return sprite ? sprite->x : 0;
}

std::int32_t FrameComposer::GetSpriteY(SpriteId id) const {
  const Sprite* sprite = Find(id);
  return sprite ? sprite->y : 0;
}

bool FrameComposer::SpriteCoversFrame(SpriteId id) const {
  const Sprite* sprite = Find(id);
  return sprite && sprite->image && sprite->image->Covers(back_, 0, 0);
}

void FrameComposer::DrawSprite(SpriteId id) {
  const Sprite* sprite = Find(id);
  if (!sprite || !sprite->image) return;
  if (sprite->image->Covers(back_, sprite->x, sprite->y)) {
    DrawBackdrop(Backdrop::Picture(sprite->image, sprite->x, sprite->y));
  } else {
    overBackdrop_.Add(sprite->image->DrawInto(back_, sprite->x, sprite->y));
  }
}

void FrameComposer::FillScreen(Colour colour) {
  if (back_.Empty()) return;
  DrawBackdrop(Backdrop::Fill(ToRgb565(colour)));
}

// The back buffer already holding the same backdrop, only the parts drawn
// over it since need painting again.
void FrameComposer::DrawBackdrop(Backdrop backdrop) {
  if (backdrop_ == backdrop) {
    for (const Box& area : overBackdrop_.Boxes()) backdrop.Paint(back_, area);
  } else {
    backdrop.Paint(back_, back_.Bounds());
    backdrop_ = std::move(backdrop);
  }
  overBackdrop_.Clear();
}

void FrameComposer::SetFont(const std::string& name, std::int32_t size, bool bold, bool italic,
                            bool underline) {
  text_.SetFont(name, size, bold, italic, underline);
}

void FrameComposer::DrawText(const std::string& text, std::int32_t x, std::int32_t y,
                             Colour colour) {
  if (back_.Empty()) return;
  if (const auto mask = text_.Render(text)) {
    overBackdrop_.Add(mask->DrawInto(back_, x, y, ToRgb565(colour)));
  }
}

void FrameComposer::Flip() {
  front_.CopyChangedFrom(back_);
  ++flips_;
}

}  // namespace aerolark
