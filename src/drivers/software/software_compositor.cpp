#include "drivers/software/software_compositor.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "drivers/software/picture.h"

namespace aerolark {
namespace {

constexpr std::size_t kTextCacheSize = 64;
// Larger masks are drawn but not kept, so the cache stays small.
constexpr std::size_t kMaxCachedMaskBytes = 1024 * 1024;

std::int32_t SaturatingAdd(std::int32_t value, std::int32_t delta) {
  const std::int64_t sum = static_cast<std::int64_t>(value) + delta;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// Unambiguous whatever characters the name holds; the text follows it.
std::string FontKey(const FontRequest& font) {
  const int style = (font.bold ? 1 : 0) | (font.italic ? 2 : 0) | (font.underline ? 4 : 0);
  return std::to_string(font.name.size()) + ':' + font.name + ':' + std::to_string(font.height) +
         ':' + std::to_string(style) + ':';
}

}  // namespace

SoftwareCompositor::SoftwareCompositor(PictureDecoder& pictures, TextRasteriser& text,
                                       FrameOutput* output)
    : pictures_(pictures), rasteriser_(text), output_(output), texts_(kTextCacheSize) {}

bool SoftwareCompositor::OpenScreen(std::int32_t width, std::int32_t height, std::int32_t,
                                    const std::string&) {
  if (width <= 0 || height <= 0 || width > kMaxFrameSide || height > kMaxFrameSide) return false;
  back_ = FrameBuffer(width, height);
  front_ = FrameBuffer(width, height);
  backdrop_ = Backdrop::Fill(0);  // both frames start black
  overBackdrop_.Clear();
  textsOver_.Clear();
  unshown_.Clear();
  unshown_.Add(front_.Bounds());
  return output_ == nullptr || output_->OpenOutput(width, height);
}

SoftwareCompositor::Sprite* SoftwareCompositor::Find(SpriteId id) {
  const auto found = sprites_.find(id);
  return found == sprites_.end() ? nullptr : &found->second;
}

const SoftwareCompositor::Sprite* SoftwareCompositor::Find(SpriteId id) const {
  const auto found = sprites_.find(id);
  return found == sprites_.end() ? nullptr : &found->second;
}

SpriteId SoftwareCompositor::NewSprite() {
  // Ids are never reused; after 2^31 - 1 sprites there are no more to hand
  // out and 0, which no call accepts, comes back.
  if (lastId_ == std::numeric_limits<SpriteId>::max()) return 0;
  ++lastId_;
  sprites_.emplace(lastId_, Sprite{});
  return lastId_;
}

void SoftwareCompositor::LoadSprite(SpriteId id, std::int32_t, const std::string& path,
                                    std::int32_t keyMode) {
  Sprite* sprite = Find(id);
  if (!sprite) return;
  const auto decoded = pictures_.Decode(path);
  sprite->image =
      decoded ? std::make_shared<const SpriteImage>(FramePicture(*decoded), keyMode) : nullptr;
}

void SoftwareCompositor::SetSpriteX(SpriteId id, std::int32_t x) {
  if (Sprite* sprite = Find(id)) sprite->x = x;
}

void SoftwareCompositor::SetSpriteY(SpriteId id, std::int32_t y) {
  if (Sprite* sprite = Find(id)) sprite->y = y;
}

void SoftwareCompositor::MoveSpriteX(SpriteId id, std::int32_t deltaX) {
  if (Sprite* sprite = Find(id)) sprite->x = SaturatingAdd(sprite->x, deltaX);
}

void SoftwareCompositor::MoveSpriteY(SpriteId id, std::int32_t deltaY) {
  if (Sprite* sprite = Find(id)) sprite->y = SaturatingAdd(sprite->y, deltaY);
}

std::int32_t SoftwareCompositor::GetSpriteX(SpriteId id) {
  const Sprite* sprite = Find(id);
  return sprite ? sprite->x : 0;
}

std::int32_t SoftwareCompositor::SpriteY(SpriteId id) const {
  const Sprite* sprite = Find(id);
  return sprite ? sprite->y : 0;
}

bool SoftwareCompositor::SpriteCoversScreen(SpriteId id) {
  const Sprite* sprite = Find(id);
  return sprite && sprite->image && sprite->image->Covers(back_, 0, 0);
}

void SoftwareCompositor::DrawSprite(SpriteId id) {
  const Sprite* sprite = Find(id);
  if (!sprite || !sprite->image) return;
  if (sprite->image->Covers(back_, sprite->x, sprite->y)) {
    DrawBackdrop(Backdrop::Picture(sprite->image, sprite->x, sprite->y));
  } else {
    overBackdrop_.Add(sprite->image->DrawInto(back_, sprite->x, sprite->y));
  }
}

void SoftwareCompositor::FillScreen(Colour colour) {
  if (back_.Empty()) return;
  DrawBackdrop(Backdrop::Fill(ToRgb565(colour)));
}

// The back frame already holding the same backdrop, only the parts drawn
// over it since need painting again.
void SoftwareCompositor::DrawBackdrop(Backdrop backdrop) {
  if (backdrop_ == backdrop) {
    for (const Box& area : overBackdrop_.Boxes()) backdrop.Paint(back_, area);
  } else {
    backdrop.Paint(back_, back_.Bounds());
    backdrop_ = std::move(backdrop);
  }
  overBackdrop_.Clear();
  textsOver_.Clear();
}

void SoftwareCompositor::SetFont(const std::string& name, std::int32_t size, std::int32_t,
                                 bool bold, bool italic, bool underline) {
  const bool drawable = size >= kMinTextHeight && size <= kMaxTextHeight;
  FontRequest font{name, drawable ? size : 0, bold, italic, underline};
  // The clock sets its font again hundreds of times a second.
  if (font == font_ && !fontKey_.empty()) return;
  font_ = std::move(font);
  fontKey_ = FontKey(font_);
}

std::shared_ptr<const TextMask> SoftwareCompositor::TextFor(const std::string& text) {
  // The key's room is kept: the clock asks for its text hundreds of times a second.
  textKey_.assign(fontKey_).append(text);
  if (const auto* cached = texts_.Find(textKey_)) return *cached;
  std::shared_ptr<const TextMask> mask = rasteriser_.Rasterise(font_, text);
  if (mask && mask->coverage.size() <= kMaxCachedMaskBytes) texts_.Put(textKey_, mask);
  return mask;
}

void SoftwareCompositor::DrawText(const std::string& text, std::int32_t x, std::int32_t y,
                                  Colour colour) {
  if (back_.Empty() || font_.height == 0 || text.empty()) return;
  if (auto mask = TextFor(text)) {
    overBackdrop_.Add(textsOver_.Draw(back_, std::move(mask), x, y, ToRgb565(colour)));
  }
}

void SoftwareCompositor::FlipScreen() {
  for (const Box& area : back_.Changed().Boxes()) {
    unshown_.Add(front_.CopyDifferingFrom(back_, area));
  }
  back_.ClearChanged();
  ++flips_;
}

}  // namespace aerolark
