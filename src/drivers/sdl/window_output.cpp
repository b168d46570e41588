#include "drivers/sdl/window_output.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include <SDL_syswm.h>

#include "drivers/software/letterbox.h"
#include "drivers/software/nearest_scale.h"
#include "drivers/sdl/x_image_presenter.h"

namespace aerolark {
namespace {

constexpr unsigned kGlRenderer = 0x1F01;  // GL_RENDERER

const void* PixelAt(const SDL_Surface& surface, int x, int y) {
  return static_cast<const Uint8*>(surface.pixels) + static_cast<std::ptrdiff_t>(y) * surface.pitch +
         x * surface.format->BytesPerPixel;
}

SDL_Rect ToRect(const Box& box) { return {box.left, box.top, box.Width(), box.Height()}; }

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

// Through an image of our own sent over a connection of our own: SDL's
// window surface waits for the server after every present.
class XImageOutput : public WindowOutput {
 public:
  XImageOutput(SDL_Window* window, std::unique_ptr<XImagePresenter> presenter)
      : WindowOutput(window), presenter_(std::move(presenter)) {}

  Uint32 Format() const override { return presenter_->Format(); }
  void Show(const SDL_Surface&, const DamageList*) override {}
  bool ShowComposed(const FrameBuffer& frame, const DamageList* changed) override {
    int width = 0, height = 0;
    SDL_GetWindowSizeInPixels(Window(), &width, &height);
    presenter_->Show(frame, changed, width, height);
    return true;
  }
  double RefreshRate() const override { return 0.0; }
  std::string Describe() const override { return presenter_->Describe(); }

 private:
  std::unique_ptr<XImagePresenter> presenter_;
};

}  // namespace

WindowOutput::~WindowOutput() {
  // SDL takes a full-screen X11 window out of full screen before destroying
  // it and then waits up to a tenth of a second for a window manager to
  // answer; once the window is unmapped there is nothing to wait for, and it
  // vanishes at once.
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window_, &info) && info.subsystem == SDL_SYSWM_X11) {
    XUnmapWindow(info.info.x11.display, info.info.x11.window);
    XSync(info.info.x11.display, False);
  }
  SDL_DestroyWindow(window_);
}

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

std::unique_ptr<WindowOutput> MakeXImageOutput(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return nullptr;
  auto presenter = XImagePresenter::Open(DisplayString(info.info.x11.display), info.info.x11.window);
  if (!presenter) return nullptr;
  return std::make_unique<XImageOutput>(window, std::move(presenter));
}

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

bool DisplayHasDirectRendering(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return true;
  int opcode = 0, event = 0, error = 0;
  Display* display = info.info.x11.display;
  return XQueryExtension(display, "DRI3", &opcode, &event, &error) ||
         XQueryExtension(display, "DRI2", &opcode, &event, &error);
}

}  // namespace aerolark
