#pragma once
// A window of our own through SDL: covering the whole screen (desktop full
// screen, never changing the display mode) or an ordinary window.

#include <memory>

#include <SDL.h>

#include "drivers/frame/pointer_filter.h"
#include "drivers/sdl/screen.h"

namespace aerolark {

class SdlWindowScreen : public Screen {
 public:
  // Null when there is no display (SDL found only its offscreen or dummy
  // driver) or the window cannot be made.
  static std::unique_ptr<SdlWindowScreen> Open(int frameWidth, int frameHeight, bool windowed);
  ~SdlWindowScreen() override;

  void Present(const FrameBuffer& frame) override;
  void DeliverInput(DrawingEvents& sink) override;
  void WaitForInput(double seconds) override;
  bool Gone() const override { return false; }
  double PresentRate() const override { return presentRate_; }
  std::string Presenter() const override;

  SDL_Window* Window() const { return window_; }

 private:
  SdlWindowScreen() = default;
  bool Create(int frameWidth, int frameHeight, bool windowed);
  void Deliver(const SDL_Event& event, DrawingEvents& sink);

  bool videoStarted_ = false;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  Uint32 textureFormat_ = SDL_PIXELFORMAT_UNKNOWN;
  double presentRate_ = 60.0;
  PointerFilter pointer_;
};

// Starts SDL's video; false when only a stand-in without a display exists.
bool StartSdlVideo();

}  // namespace aerolark
