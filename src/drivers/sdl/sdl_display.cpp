#include "drivers/sdl/sdl_display.h"

#include <SDL.h>

#include "drivers/sdl/sdl_backends.h"
#include "drivers/sdl/sdl_window_screen.h"
#include "drivers/sdl/signal_watch.h"
#include "drivers/sdl/x11_bridge.h"
#include "drivers/x11/host_window_screen.h"
#include "platform/no_display_explanation.h"

namespace aerolark {
namespace {

// Whether SDL finds any display, as opposed to failing to make windows on one.
bool DisplayReachable() {
  if (!StartSdlVideo()) return false;
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  return true;
}

}  // namespace

SdlDisplay::SdlDisplay(ScreenOptions options)
    : PacedDisplay(CreateSdlPictureDecoder(), CreateTtfTextRasteriser(), options.statsPath),
      options_(std::move(options)) {}

SdlDisplay::~SdlDisplay() = default;

std::unique_ptr<Screen> SdlDisplay::OpenScreen(int frameWidth, int frameHeight) {
  window_ = nullptr;
  noDisplay_ = false;
  if (options_.hostWindow) return HostWindowScreen::Open(*options_.hostWindow, SdlColourTable);
  auto own = SdlWindowScreen::Open(frameWidth, frameHeight, options_.windowed, options_.monitors);
  if (own) window_ = own->Window();
  noDisplay_ = !own && !DisplayReachable();
  return own;
}

void SdlDisplay::RunLoop(Screen& screen, DrawingEvents& sink, LoopStats& stats) {
  SignalWatch watched(screen);
  PacedDisplay::RunLoop(watched, sink, stats);
}

// Under a host the screen belongs to the host (it may be locked): a box
// there could not be answered and would outlive the host's SIGTERM, so the
// caller reports on standard error instead.
bool SdlDisplay::ShowMessageBox(const std::string& title, const std::string& text) {
  if (options_.hostWindow) return false;
  return SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title.c_str(), text.c_str(),
                                  window_) == 0;
}

std::string SdlDisplay::NoDisplayExplanation() const {
  if (!noDisplay_) return {};
  return aerolark::NoDisplayExplanation(options_.display, "/s");
}

}  // namespace aerolark
