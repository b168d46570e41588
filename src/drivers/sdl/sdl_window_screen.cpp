#include "drivers/sdl/sdl_window_screen.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "drivers/frame/letterbox.h"

namespace aerolark {
namespace {

constexpr double kRateWithoutVsync = 60.0;

void SetHints() {
  // A screen saver must not stop the monitor's own power saving.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  // Signals are watched by the event loop itself.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // A full-screen window that loses focus must stay, not minimise.
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  // The first click on an unfocused window still counts as a click.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  SDL_SetHint(SDL_HINT_RENDER_VSYNC, "1");
}

// The first texture format the renderer handles natively, so the frame is
// converted once, on our side, and the GPU only scales.
Uint32 NativeFormat(SDL_Renderer* renderer) {
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(renderer, &info) == 0 && info.num_texture_formats > 0) {
    for (Uint32 i = 0; i < info.num_texture_formats; ++i) {
      const Uint32 format = info.texture_formats[i];
      if (!SDL_ISPIXELFORMAT_FOURCC(format) && SDL_BITSPERPIXEL(format) >= 24) return format;
    }
  }
  return SDL_PIXELFORMAT_ARGB8888;
}

}  // namespace

bool StartSdlVideo() {
  SetHints();
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
  const char* driver = SDL_GetCurrentVideoDriver();
  // With no display SDL quietly picks a driver that draws into nothing.
  if (!driver || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return false;
  }
  return true;
}

std::unique_ptr<SdlWindowScreen> SdlWindowScreen::Open(int frameWidth, int frameHeight,
                                                       bool windowed) {
  std::unique_ptr<SdlWindowScreen> screen(new SdlWindowScreen());
  if (!screen->Create(frameWidth, frameHeight, windowed)) return nullptr;
  return screen;
}

bool SdlWindowScreen::Create(int frameWidth, int frameHeight, bool windowed) {
  videoStarted_ = StartSdlVideo();
  if (!videoStarted_) return false;
  if (windowed) {
    window_ = SDL_CreateWindow("Aerolark", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               frameWidth, frameHeight, 0);
  } else {
    // Without a window manager desktop full screen alone leaves a frame-sized
    // window in the middle; placing it at the origin with the desktop's size,
    // borderless, covers the screen either way.
    SDL_Rect desktop{0, 0, frameWidth, frameHeight};
    SDL_GetDisplayBounds(0, &desktop);
    window_ = SDL_CreateWindow("Aerolark", desktop.x, desktop.y, desktop.w, desktop.h,
                               SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS);
  }
  if (!window_) return false;
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_PRESENTVSYNC);
  if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, 0);
  if (!renderer_) return false;
  textureFormat_ = NativeFormat(renderer_);
  texture_ = SDL_CreateTexture(renderer_, textureFormat_, SDL_TEXTUREACCESS_STREAMING,
                               frameWidth, frameHeight);
  if (!texture_) return false;

  SDL_RendererInfo info{};
  SDL_GetRendererInfo(renderer_, &info);
  SDL_DisplayMode mode{};
  const bool vsync = (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
  const double refresh =
      SDL_GetWindowDisplayMode(window_, &mode) == 0 && mode.refresh_rate > 0 ? mode.refresh_rate
                                                                            : kRateWithoutVsync;
  presentRate_ = vsync ? std::clamp(refresh, 24.0, 240.0) : std::min(refresh, kRateWithoutVsync);

  // Black until the first frame arrives, rather than whatever was beneath.
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderPresent(renderer_);
  return true;
}

SdlWindowScreen::~SdlWindowScreen() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

std::string SdlWindowScreen::Presenter() const {
  SDL_RendererInfo info{};
  SDL_GetRendererInfo(renderer_, &info);
  return std::string("renderer ") + (info.name ? info.name : "?");
}

void SdlWindowScreen::Present(const FrameBuffer& frame) {
  void* pixels = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) != 0) return;
  SDL_ConvertPixels(frame.Width(), frame.Height(), SDL_PIXELFORMAT_RGB565, frame.Data(),
                    frame.Width() * static_cast<int>(sizeof(Pixel565)), textureFormat_, pixels,
                    pitch);
  SDL_UnlockTexture(texture_);
  int outputWidth = 0, outputHeight = 0;
  SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight);
  const Rect box = Letterbox(frame.Width(), frame.Height(), outputWidth, outputHeight);
  const SDL_Rect target{box.x, box.y, box.width, box.height};
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, &target);
  SDL_RenderPresent(renderer_);
}

void SdlWindowScreen::Deliver(const SDL_Event& event, DrawingEvents& sink) {
  switch (event.type) {
    case SDL_QUIT:
      sink.KeyEvent();
      break;
    case SDL_KEYDOWN:
      sink.KeyEvent();
      break;
    case SDL_MOUSEBUTTONDOWN:
      sink.ButtonEvent();
      break;
    case SDL_MOUSEMOTION:
      if (pointer_.Moved(event.motion.x, event.motion.y)) sink.PointerMoved();
      break;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
        sink.KeyEvent();
      } else if (event.window.event == SDL_WINDOWEVENT_ENTER ||
                 event.window.event == SDL_WINDOWEVENT_SHOWN) {
        // The position reported next only places the pointer.
        pointer_.Forget();
      }
      break;
    default:
      break;
  }
}

void SdlWindowScreen::DeliverInput(DrawingEvents& sink) {
  SDL_Event event;
  while (!sink.Ended() && SDL_PollEvent(&event)) Deliver(event, sink);
}

void SdlWindowScreen::WaitForInput(double seconds) {
  const int milliseconds = static_cast<int>(std::ceil(seconds * 1000.0));
  SDL_WaitEventTimeout(nullptr, std::max(milliseconds, 1));
}

}  // namespace aerolark
