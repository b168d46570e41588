#include "app/traced_services.h"

namespace aerolark {

bool TracedDrawing::OpenScreen(std::int32_t width, std::int32_t height, std::int32_t bitDepth,
                               const std::string& options) {
  bool opened = drawing_.OpenScreen(width, height, bitDepth, options);
  trace_.Write(CallLine("OpenScreen").Number(width).Number(height).Number(bitDepth)
                   .Text(options).Result().Flag(opened));
  return opened;
}

SpriteId TracedDrawing::NewSprite() {
  SpriteId id = drawing_.NewSprite();
  trace_.Write(CallLine("NewSprite").Result().Number(id));
  return id;
}

void TracedDrawing::LoadSprite(SpriteId id, std::int32_t frames, const std::string& path,
                               std::int32_t keyMode) {
  trace_.Write(CallLine("LoadSprite").Number(id).Number(frames).Text(path).Number(keyMode));
  drawing_.LoadSprite(id, frames, path, keyMode);
}

void TracedDrawing::SetSpriteX(SpriteId id, std::int32_t x) {
  trace_.Write(CallLine("SetSpriteX").Number(id).Number(x));
  drawing_.SetSpriteX(id, x);
}

void TracedDrawing::SetSpriteY(SpriteId id, std::int32_t y) {
  trace_.Write(CallLine("SetSpriteY").Number(id).Number(y));
  drawing_.SetSpriteY(id, y);
}

void TracedDrawing::MoveSpriteX(SpriteId id, std::int32_t deltaX) {
  trace_.Write(CallLine("MoveSpriteX").Number(id).Number(deltaX));
  drawing_.MoveSpriteX(id, deltaX);
}

void TracedDrawing::MoveSpriteY(SpriteId id, std::int32_t deltaY) {
  trace_.Write(CallLine("MoveSpriteY").Number(id).Number(deltaY));
  drawing_.MoveSpriteY(id, deltaY);
}

std::int32_t TracedDrawing::GetSpriteX(SpriteId id) {
  std::int32_t x = drawing_.GetSpriteX(id);
  trace_.Write(CallLine("GetSpriteX").Number(id).Result().Number(x));
  return x;
}

void TracedDrawing::DrawSprite(SpriteId id) {
  trace_.Write(CallLine("DrawSprite").Number(id));
  drawing_.DrawSprite(id);
}

void TracedDrawing::FillScreen(Colour colour) {
  trace_.Write(CallLine("FillScreen").Number(colour));
  drawing_.FillScreen(colour);
}

void TracedDrawing::SetFont(const std::string& name, std::int32_t size, std::int32_t charset,
                            bool bold, bool italic, bool underline) {
  trace_.Write(CallLine("SetFont").Text(name).Number(size).Number(charset).Flag(bold)
                   .Flag(italic).Flag(underline));
  drawing_.SetFont(name, size, charset, bold, italic, underline);
}

void TracedDrawing::DrawText(const std::string& text, std::int32_t x, std::int32_t y,
                             Colour colour) {
  trace_.Write(CallLine("DrawText").Text(text).Number(x).Number(y).Number(colour));
  drawing_.DrawText(text, x, y, colour);
}

void TracedDrawing::FlipScreen() {
  trace_.Write(CallLine("FlipScreen"));
  drawing_.FlipScreen();
}

SoundNumber TracedSound::LoadSound(const std::string& path) {
  SoundNumber id = sound_.LoadSound(path);
  trace_.Write(CallLine("LoadSound").Text(path).Result().Number(id));
  return id;
}

void TracedSound::SetSoundVolume(SoundNumber id, std::int32_t volume) {
  trace_.Write(CallLine("SetSoundVolume").Number(id).Number(volume));
  sound_.SetSoundVolume(id, volume);
}

void TracedSound::PlaySound(SoundNumber id, std::int32_t a, std::int32_t b) {
  trace_.Write(CallLine("PlaySound").Number(id).Number(a).Number(b));
  sound_.PlaySound(id, a, b);
}

void TracedSound::StopSound(SoundNumber id) {
  trace_.Write(CallLine("StopSound").Number(id));
  sound_.StopSound(id);
}

void TracedSound::StopAllSounds() {
  trace_.Write(CallLine("StopAllSounds"));
  sound_.StopAllSounds();
}

void TracedSound::ReleaseSound(SoundNumber id) {
  trace_.Write(CallLine("ReleaseSound").Number(id));
  sound_.ReleaseSound(id);
}

WriteStatus TracedSettings::WriteSetting(std::string_view section, std::string_view key,
                                         std::string_view value) {
  TraceLine line('W');
  trace_.Write(line.Text(section).Text(key).Text(value));
  return settings_.WriteSetting(section, key, value);
}

void TracedPlatform::ShowCursor(bool visible) {
  trace_.Write(CallLine("ShowCursor").Flag(visible));
  platform_.ShowCursor(visible);
}

void TracedPlatform::SetScreenSaverRunning(bool running) {
  trace_.Write(CallLine("ScreenSaverRunning").Flag(running));
  platform_.SetScreenSaverRunning(running);
}

void TracedEvents::Event(std::string_view name) {
  trace_.Flush();
  TraceLine line('E');
  trace_.Write(line.Text(name));
}

}  // namespace aerolark
