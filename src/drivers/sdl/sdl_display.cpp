#include "drivers/sdl/sdl_display.h"

#include <SDL.h>

#include "drivers/sdl/host_window_screen.h"
#include "drivers/sdl/loop_stats.h"
#include "drivers/sdl/sdl_window_screen.h"
#include "drivers/sdl/timed_event_loop.h"

namespace aerolark {

SdlDisplay::SdlDisplay(ScreenOptions options) : options_(std::move(options)) {}

SdlDisplay::~SdlDisplay() = default;

bool SdlDisplay::OpenOutput(int frameWidth, int frameHeight) {
  screen_.reset();
  window_ = nullptr;
  if (options_.hostWindow) {
    screen_ = HostWindowScreen::Open(*options_.hostWindow);
  } else {
    auto own = SdlWindowScreen::Open(frameWidth, frameHeight, options_.windowed,
                                     options_.monitors);
    if (own) window_ = own->Window();
    screen_ = std::move(own);
  }
  return screen_ != nullptr;
}

void SdlDisplay::RunEvents(DrawingEvents& sink) {
  if (!screen_) return;
  LoopStats stats(options_.statsPath);
  RunTimedEvents(*screen_, compositor_, sink, stats);
}

// Under a host the screen belongs to the host (it may be locked): a box
// there could not be answered and would outlive the host's SIGTERM, so the
// caller reports on standard error instead.
bool SdlDisplay::ShowMessageBox(const std::string& title, const std::string& text) {
  if (options_.hostWindow) return false;
  return SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title.c_str(), text.c_str(),
                                  window_) == 0;
}

}  // namespace aerolark
