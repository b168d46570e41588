#include "drivers/sdl/sdl_window_screen.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "drivers/sdl/x11_bridge.h"
#include "drivers/software/letterbox.h"
#include "drivers/x11/connection_watch.h"

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
  // With no Wayland compositor named, SDL's try at one only prints complaints
  // about XDG_RUNTIME_DIR: X11 is then the one place to look. SDL_VIDEODRIVER
  // still chooses.
  if (SDL_getenv("WAYLAND_DISPLAY") == nullptr) {
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "x11", SDL_HINT_DEFAULT);
  }
}

// Each monitor's area once: mirrored monitors share one window.
std::vector<SDL_Rect> MonitorAreas(int frameWidth, int frameHeight) {
  std::vector<SDL_Rect> areas;
  const int count = SDL_GetNumVideoDisplays();
  for (int i = 0; i < count; ++i) {
    SDL_Rect area{};
    if (SDL_GetDisplayBounds(i, &area) != 0 || area.w <= 0 || area.h <= 0) continue;
    const bool seen = std::any_of(areas.begin(), areas.end(), [&](const SDL_Rect& other) {
      return SDL_RectEquals(&other, &area);
    });
    if (!seen) areas.push_back(area);
  }
  if (areas.empty()) areas.push_back(SDL_Rect{0, 0, frameWidth, frameHeight});
  return areas;
}

// Window events after which the window may not show what was sent to it.
bool LosesPicture(Uint8 event) {
  switch (event) {
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_MOVED:
    case SDL_WINDOWEVENT_RESIZED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_RESTORED:
      return true;
    default:
      return false;
  }
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

std::unique_ptr<SdlWindowScreen> SdlWindowScreen::Open(
    int frameWidth, int frameHeight, bool windowed, const std::vector<MonitorArea>& monitors) {
  std::unique_ptr<SdlWindowScreen> screen(new SdlWindowScreen());
  if (!screen->Create(frameWidth, frameHeight, windowed, monitors)) return nullptr;
  return screen;
}

bool SdlWindowScreen::Create(int frameWidth, int frameHeight, bool windowed,
                             const std::vector<MonitorArea>& monitors) {
  videoStarted_ = StartSdlVideo();
  if (!videoStarted_) return false;
  if (windowed) {
    SDL_Window* window = SDL_CreateWindow("Aerolark", SDL_WINDOWPOS_CENTERED,
                                          SDL_WINDOWPOS_CENTERED, frameWidth, frameHeight, 0);
    if (!window || !AddOutput(window, frameWidth, frameHeight)) return false;
  } else if (!CoverMonitors(frameWidth, frameHeight, monitors)) {
    return false;
  }
  // The pointer over any of the covering windows is hidden, whichever
  // monitor it is on.
  if (!windowed) SDL_ShowCursor(SDL_DISABLE);
  const double refresh = outputs_.front()->RefreshRate();
  presentRate_ = refresh > 0 ? std::clamp(refresh, 24.0, 240.0) : kRateWithoutVsync;
  if (const auto x11 = X11WindowOf(Window())) x11Connection_ = x11->display;
  return true;
}

bool SdlWindowScreen::CoverMonitors(int frameWidth, int frameHeight,
                                   const std::vector<MonitorArea>& monitors) {
  const std::vector<SDL_Rect> displays = MonitorAreas(frameWidth, frameHeight);
  // Monitors the desktop declares but SDL does not see as displays (RandR
  // monitors) get plain borderless windows at their places: asking for full
  // screen would stretch each over SDL's one display.
  if (monitors.size() > displays.size()) {
    for (const MonitorArea& area : monitors) {
      SDL_Window* window =
          SDL_CreateWindow("Aerolark", area.x, area.y, area.width, area.height,
                           SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALWAYS_ON_TOP);
      if (!window || !AddOutput(window, frameWidth, frameHeight)) return false;
    }
    return true;
  }
  // Without a window manager desktop full screen alone leaves a frame-sized
  // window in the middle; placing each window at its monitor's origin with
  // the monitor's size, borderless, covers it either way.
  for (const SDL_Rect& area : displays) {
    SDL_Window* window = SDL_CreateWindow("Aerolark", area.x, area.y, area.w, area.h,
                                          SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS);
    if (!window || !AddOutput(window, frameWidth, frameHeight)) return false;
  }
  return true;
}

bool SdlWindowScreen::AddOutput(SDL_Window* window, int frameWidth, int frameHeight) {
  std::unique_ptr<WindowOutput> output;
  if (outputs_.empty()) {
    // A renderer only where the GPU does the work: software OpenGL costs far
    // more than a shared-memory copy, and takes most of a second to start.
    useRenderer_ = DisplayHasDirectRendering(window);
  }
  if (useRenderer_) {
    // Only the first window waits for the refresh, so a round of presents
    // waits once however many monitors there are.
    output = MakeRendererOutput(window, frameWidth, frameHeight, outputs_.empty(),
                                /*gpuOnly=*/outputs_.empty());
    if (!output && outputs_.empty()) useRenderer_ = false;
  }
  if (!useRenderer_) output = MakeXImageOutput(window);
  if (!useRenderer_ && !output) output = MakeSurfaceOutput(window);
  // The last resort: SDL's renderer whatever draws it.
  if (!output) output = MakeRendererOutput(window, frameWidth, frameHeight, true, false);
  if (!output) {
    SDL_DestroyWindow(window);
    return false;
  }
  outputs_.push_back(std::move(output));
  return true;
}

SdlWindowScreen::~SdlWindowScreen() {
  outputs_.clear();
  converted_.clear();
  if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

std::string SdlWindowScreen::Presenter() const {
  return outputs_.empty() ? "none" : outputs_.front()->Describe();
}

SDL_Surface* SdlWindowScreen::Converted(const FrameBuffer& frame, Uint32 format, bool& made) {
  made = false;
  for (const SurfaceHandle& surface : converted_) {
    if (surface->format->format == format) return surface.get();
  }
  SurfaceHandle surface(SDL_CreateRGBSurfaceWithFormat(0, frame.Width(), frame.Height(),
                                                       SDL_BITSPERPIXEL(format), format));
  if (!surface) return nullptr;
  // Copied as it is: no blending, even where the format has an alpha channel.
  SDL_SetSurfaceBlendMode(surface.get(), SDL_BLENDMODE_NONE);
  converted_.push_back(std::move(surface));
  made = true;
  return converted_.back().get();
}

namespace {

void Convert(const FrameBuffer& frame, const Box& part, SDL_Surface& surface) {
  const Pixel565* source = frame.Row(part.top) + part.left;
  auto* target = static_cast<Uint8*>(surface.pixels) +
                 static_cast<std::ptrdiff_t>(part.top) * surface.pitch +
                 part.left * surface.format->BytesPerPixel;
  SDL_ConvertPixels(part.Width(), part.Height(), SDL_PIXELFORMAT_RGB565, source,
                    frame.Width() * static_cast<int>(sizeof(Pixel565)), surface.format->format,
                    target, surface.pitch);
}

}  // namespace

void SdlWindowScreen::Present(const FrameBuffer& frame, const DamageList& changed) {
  const DamageList* parts = repaintAll_ ? nullptr : &changed;
  repaintAll_ = false;
  // Converted once per format, however many windows show it; a converted
  // frame is kept, so only the changed parts are converted again.
  std::vector<Uint32> done;
  for (const auto& output : outputs_) {
    if (output->ShowComposed(frame, parts)) continue;
    const Uint32 format = output->Format();
    bool made = false;
    SDL_Surface* surface = Converted(frame, format, made);
    if (!surface) continue;
    if (std::find(done.begin(), done.end(), format) == done.end()) {
      if (made || !parts) {
        Convert(frame, frame.Bounds(), *surface);
      } else {
        for (const Box& part : parts->Boxes()) Convert(frame, part, *surface);
      }
      done.push_back(format);
    }
    output->Show(*surface, made ? nullptr : parts);
  }
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
      if (LosesPicture(event.window.event)) repaintAll_ = true;
      break;
    default:
      break;
  }
}

// SDL's pump reads the X connection several times even when nothing came,
// sixty times a second; under X11 it runs only once something did.
void SdlWindowScreen::DeliverInput(DrawingEvents& sink) {
  if (x11Connection_ && !inputArrived_ && !HasQueuedEvents(x11Connection_) &&
      !SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT)) {
    return;
  }
  inputArrived_ = false;
  pumped_ = true;
  SDL_Event event;
  while (!sink.Ended() && SDL_PollEvent(&event)) Deliver(event, sink);
}

void SdlWindowScreen::WaitForInput(double seconds) {
  const int milliseconds = std::max(static_cast<int>(std::ceil(seconds * 1000.0)), 1);
  if (x11Connection_) {
    inputArrived_ = WaitForBytes(x11Connection_, milliseconds, pumped_) || inputArrived_;
    pumped_ = false;
  } else {
    SDL_WaitEventTimeout(nullptr, milliseconds);
  }
}

}  // namespace aerolark
