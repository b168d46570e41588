#include "support/recording_drawing.h"

namespace aerolark::testing {

bool RecordingDrawing::OpenScreen(std::int32_t width, std::int32_t height,
                                  std::int32_t bitDepth, const std::string& options) {
  log_.Add(CallLine("OpenScreen").Number(width).Number(height).Number(bitDepth).Text(options)
               .Result().Flag(openScreenResult));
  return openScreenResult;
}

SpriteId RecordingDrawing::NewSprite() {
  SpriteId id = nextId++;
  sprites_[id];
  log_.Add(CallLine("NewSprite").Result().Number(id));
  return id;
}

void RecordingDrawing::LoadSprite(SpriteId id, std::int32_t frames, const std::string& path,
                                  std::int32_t keyMode) {
  sprites_[id].path = path;
  log_.Add(CallLine("LoadSprite").Number(id).Number(frames).Text(path).Number(keyMode));
}

void RecordingDrawing::SetSpriteX(SpriteId id, std::int32_t x) {
  sprites_[id].x = x;
  log_.Add(CallLine("SetSpriteX").Number(id).Number(x));
}

void RecordingDrawing::SetSpriteY(SpriteId id, std::int32_t y) {
  sprites_[id].y = y;
  log_.Add(CallLine("SetSpriteY").Number(id).Number(y));
}

void RecordingDrawing::MoveSpriteX(SpriteId id, std::int32_t deltaX) {
  sprites_[id].x += deltaX;
  log_.Add(CallLine("MoveSpriteX").Number(id).Number(deltaX));
}

void RecordingDrawing::MoveSpriteY(SpriteId id, std::int32_t deltaY) {
  sprites_[id].y += deltaY;
  log_.Add(CallLine("MoveSpriteY").Number(id).Number(deltaY));
}

std::int32_t RecordingDrawing::GetSpriteX(SpriteId id) {
  std::int32_t x = sprites_[id].x;
  log_.Add(CallLine("GetSpriteX").Number(id).Result().Number(x));
  return x;
}

void RecordingDrawing::DrawSprite(SpriteId id) { log_.Add(CallLine("DrawSprite").Number(id)); }

void RecordingDrawing::FillScreen(Colour colour) {
  log_.Add(CallLine("FillScreen").Number(colour));
}

void RecordingDrawing::SetFont(const std::string& name, std::int32_t size, std::int32_t charset,
                               bool bold, bool italic, bool underline) {
  log_.Add(CallLine("SetFont").Text(name).Number(size).Number(charset).Flag(bold).Flag(italic)
               .Flag(underline));
}

void RecordingDrawing::DrawText(const std::string& text, std::int32_t x, std::int32_t y,
                                Colour colour) {
  log_.Add(CallLine("DrawText").Text(text).Number(x).Number(y).Number(colour));
}

void RecordingDrawing::FlipScreen() {
  ++flips_;
  log_.Add(CallLine("FlipScreen"));
}

bool RecordingDrawing::SpriteCoversScreen(SpriteId id) {
  auto found = sprites_.find(id);
  return found != sprites_.end() && !found->second.path.empty() &&
         partialPictures.count(found->second.path) == 0;
}

}  // namespace aerolark::testing
