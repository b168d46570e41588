#include "drivers/headless/headless_drawing_driver.h"

#include <algorithm>

#include <SDL.h>
#include <SDL_image.h>

#include "drivers/frame/event_pacer.h"
#include "drivers/frame/sdl_handles.h"

namespace aerolark {

bool HeadlessDrawingDriver::OpenScreen(std::int32_t width, std::int32_t height, std::int32_t,
                                       const std::string&) {
  return composer_.Open(width, height);
}

void HeadlessDrawingDriver::Script(const ScriptedInput& input) {
  const auto at = std::upper_bound(
      script_.begin() + static_cast<std::ptrdiff_t>(nextInput_), script_.end(), input,
      [](const ScriptedInput& a, const ScriptedInput& b) { return a.afterFrames < b.afterFrames; });
  script_.insert(at, input);
}

void HeadlessDrawingDriver::RaiseDueInputs(DrawingEvents& sink) {
  while (nextInput_ < script_.size() && script_[nextInput_].afterFrames <= framesRaised_ &&
         !sink.Ended()) {
    const ScriptedInput& input = script_[nextInput_++];
    switch (input.kind) {
      case InputKind::kKey: sink.KeyEvent(); break;
      case InputKind::kButton: sink.ButtonEvent(); break;
      case InputKind::kPointer:
        if (pointer_.Moved(input.x, input.y)) sink.PointerMoved();
        break;
    }
  }
}

void HeadlessDrawingDriver::RunEvents(DrawingEvents& sink) {
  const auto framesPerSecond = static_cast<std::uint64_t>(kDrawFramesPerSecond);
  for (std::uint64_t raised = 0; raised < budget_; ++raised) {
    RaiseDueInputs(sink);
    if (sink.Ended()) return;
    sink.DrawFrame();
    ++framesRaised_;
    if (sink.Ended()) return;
    if (framesRaised_ % framesPerSecond == 0) sink.SecondTick();
  }
}

bool HeadlessDrawingDriver::ShowMessageBox(const std::string& title, const std::string& text) {
  messages_.push_back({title, text});
  return false;
}

bool HeadlessDrawingDriver::SavePng(const std::string& path) const {
  const FrameBuffer& frame = Shown();
  if (frame.Empty()) return false;
  SurfaceHandle surface(SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<Pixel565*>(frame.Data()), frame.Width(), frame.Height(), 16,
      frame.Width() * static_cast<int>(sizeof(Pixel565)), SDL_PIXELFORMAT_RGB565));
  return surface && IMG_SavePNG(surface.get(), path.c_str()) == 0;
}

}  // namespace aerolark
