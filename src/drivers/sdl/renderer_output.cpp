// Frames through an SDL renderer: uploaded to a texture in the renderer's
// own format and scaled by the GPU.

#include <cstring>

#include "drivers/sdl/window_output.h"
#include "drivers/software/letterbox.h"

namespace aerolark {
namespace {

constexpr unsigned kGlRenderer = 0x1F01;  // GL_RENDERER

const void* PixelAt(const SDL_Surface& surface, int x, int y) {
  return static_cast<const Uint8*>(surface.pixels) + static_cast<std::ptrdiff_t>(y) * surface.pitch +
         x * surface.format->BytesPerPixel;
}

// The first texture format the renderer handles natively, so the frame is
// converted once, on our side, and the GPU only scales.
Uint32 NativeFormat(SDL_Renderer* renderer) {
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(renderer, &info) == 0) {
    for (Uint32 i = 0; i < info.num_texture_formats; ++i) {
      const Uint32 format = info.texture_formats[i];
      if (!SDL_ISPIXELFORMAT_FOURCC(format) && SDL_BITSPERPIXEL(format) >= 24) return format;
    }
  }
  return SDL_PIXELFORMAT_ARGB8888;
}

// True for SDL's own software renderer and for OpenGL served by Mesa's
// software rasterizers; asked right after the renderer was made, while its
// context is current.
bool RendersInSoftware(SDL_Renderer* renderer) {
  SDL_RendererInfo info{};
  if (SDL_GetRendererInfo(renderer, &info) != 0) return true;
  if ((info.flags & SDL_RENDERER_SOFTWARE) != 0) return true;
  if (std::strncmp(info.name, "opengl", 6) != 0) return false;
  using GetString = const unsigned char* (*)(unsigned);
  const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  const auto* name = getString ? reinterpret_cast<const char*>(getString(kGlRenderer)) : nullptr;
  if (!name) return false;
  for (const char* software : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"}) {
    if (std::strstr(name, software)) return true;
  }
  return false;
}

class RendererOutput : public WindowOutput {
 public:
  RendererOutput(SDL_Window* window, SDL_Renderer* renderer, SDL_Texture* texture, Uint32 format)
      : WindowOutput(window), renderer_(renderer), texture_(texture), format_(format) {}
  ~RendererOutput() override {
    SDL_DestroyTexture(texture_);
    SDL_DestroyRenderer(renderer_);
  }

  Uint32 Format() const override { return format_; }

  // The whole texture is drawn on every present, but only what changed is
  // uploaded.
  void Show(const SDL_Surface& frame, const DamageList* changed) override {
    if (!changed || !filled_) {
      SDL_UpdateTexture(texture_, nullptr, frame.pixels, frame.pitch);
      filled_ = true;
    } else {
      for (const Box& part : changed->Boxes()) {
        const SDL_Rect rect = ToRect(part);
        SDL_UpdateTexture(texture_, &rect, PixelAt(frame, part.left, part.top), frame.pitch);
      }
    }
    int width = 0, height = 0;
    SDL_GetRendererOutputSize(renderer_, &width, &height);
    const Box box = Letterbox(frame.w, frame.h, width, height);
    const SDL_Rect target{box.left, box.top, box.Width(), box.Height()};
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, &target);
    SDL_RenderPresent(renderer_);
  }

  double RefreshRate() const override {
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(renderer_, &info);
    SDL_DisplayMode mode{};
    if ((info.flags & SDL_RENDERER_PRESENTVSYNC) == 0) return 0.0;
    return SDL_GetWindowDisplayMode(Window(), &mode) == 0 ? mode.refresh_rate : 0.0;
  }

  std::string Describe() const override {
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(renderer_, &info);
    return std::string("renderer ") + (info.name ? info.name : "?");
  }

 private:
  SDL_Renderer* renderer_;
  SDL_Texture* texture_;
  Uint32 format_;
  bool filled_ = false;  // the texture has had a whole frame
};

}  // namespace

std::unique_ptr<WindowOutput> MakeRendererOutput(SDL_Window* window, int frameWidth,
                                                 int frameHeight, bool vsync, bool gpuOnly) {
  SDL_Renderer* renderer =
      SDL_CreateRenderer(window, -1, vsync ? SDL_RENDERER_PRESENTVSYNC : 0);
  if (!renderer && vsync) renderer = SDL_CreateRenderer(window, -1, 0);
  if (!renderer) return nullptr;
  if (gpuOnly && RendersInSoftware(renderer)) {
    SDL_DestroyRenderer(renderer);
    return nullptr;
  }
  const Uint32 format = NativeFormat(renderer);
  SDL_Texture* texture =
      SDL_CreateTexture(renderer, format, SDL_TEXTUREACCESS_STREAMING, frameWidth, frameHeight);
  if (!texture) {
    SDL_DestroyRenderer(renderer);
    return nullptr;
  }
  // Black until the first frame arrives, rather than whatever was beneath.
  SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
  SDL_RenderClear(renderer);
  SDL_RenderPresent(renderer);
  return std::make_unique<RendererOutput>(window, renderer, texture, format);
}

}  // namespace aerolark
