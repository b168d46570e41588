// Frames through the window's own surface: scaled on the CPU, and on X11
// handed to the server in shared memory.

#include <vector>

#include "drivers/sdl/window_output.h"
#include "drivers/software/letterbox.h"
#include "drivers/software/nearest_scale.h"

namespace aerolark {
namespace {

class SurfaceOutput : public WindowOutput {
 public:
  explicit SurfaceOutput(SDL_Window* window) : WindowOutput(window) {}

  Uint32 Format() const override {
    SDL_Surface* surface = SDL_GetWindowSurface(Window());
    return surface ? surface->format->format : static_cast<Uint32>(SDL_PIXELFORMAT_UNKNOWN);
  }

  // Scales and sends only what changed; the whole window when its surface
  // is new (black bars and all) or its picture was lost.
  void Show(const SDL_Surface& frame, const DamageList* changed) override {
    // The surface is made anew when the window's size changes.
    SDL_Surface* target = SDL_GetWindowSurface(Window());
    if (!target) return;
    const Box box = Letterbox(frame.w, frame.h, target->w, target->h);
    if (!scale_.Fits(frame.w, frame.h, box)) scale_ = NearestScale(frame.w, frame.h, box);
    const bool freshSurface = target != lastTarget_ || target->w != lastWidth_ ||
                              target->h != lastHeight_;
    lastTarget_ = target;
    lastWidth_ = target->w;
    lastHeight_ = target->h;
    if (freshSurface) SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
    auto* pixels = static_cast<Uint8*>(target->pixels);
    const auto* source = static_cast<const Uint8*>(frame.pixels);
    const int bytes = target->format->BytesPerPixel;
    if (freshSurface || !changed) {
      scale_.Scale(source, frame.pitch, pixels, target->pitch, bytes, box);
      SDL_UpdateWindowSurface(Window());
      return;
    }
    rects_.clear();
    for (const Box& part : changed->Boxes()) {
      const Box area = scale_.Covering(part);
      if (area.Empty()) continue;
      scale_.Scale(source, frame.pitch, pixels, target->pitch, bytes, area);
      rects_.push_back(ToRect(area));
    }
    if (!rects_.empty()) {
      SDL_UpdateWindowSurfaceRects(Window(), rects_.data(), static_cast<int>(rects_.size()));
    }
  }

  double RefreshRate() const override { return 0.0; }
  std::string Describe() const override { return "window surface"; }

 private:
  const SDL_Surface* lastTarget_ = nullptr;
  int lastWidth_ = 0;
  int lastHeight_ = 0;
  NearestScale scale_;
  std::vector<SDL_Rect> rects_;
};

}  // namespace

std::unique_ptr<WindowOutput> MakeSurfaceOutput(SDL_Window* window) {
  // The X11 surface is shared memory the server reads directly; without this
  // SDL would put an OpenGL texture behind the surface.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  if (!surface) return nullptr;
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
  SDL_UpdateWindowSurface(window);
  return std::make_unique<SurfaceOutput>(window);
}

}  // namespace aerolark
