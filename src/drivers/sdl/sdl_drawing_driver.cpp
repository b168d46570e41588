// The drawing driver on a real display: composes through the shared
// composer and shows frames in an SDL window or a host's window.

#include <cstdlib>
#include <memory>

#include <SDL.h>

#include "drivers/drivers.h"
#include "drivers/frame/composing_driver.h"
#include "drivers/sdl/host_window_screen.h"
#include "drivers/sdl/loop_stats.h"
#include "drivers/sdl/sdl_window_screen.h"
#include "drivers/sdl/timed_event_loop.h"

namespace aerolark {
namespace {

class SdlDrawingDriver : public ComposingDriver {
 public:
  explicit SdlDrawingDriver(const ScreenOptions& options) : options_(options) {}

  // The frame is composed in 16-bit colour whatever depth is asked; the
  // display's own mode is never changed.
  bool OpenScreen(std::int32_t width, std::int32_t height, std::int32_t,
                  const std::string&) override {
    screen_.reset();
    window_ = nullptr;
    if (!composer_.Open(width, height)) return false;
    if (options_.hostWindow) {
      screen_ = HostWindowScreen::Open(*options_.hostWindow);
    } else {
      auto own = SdlWindowScreen::Open(width, height, options_.windowed, options_.monitors);
      if (own) window_ = own->Window();
      screen_ = std::move(own);
    }
    return screen_ != nullptr;
  }

  // Without an open screen there is nothing to show and no input that could
  // end a loop, so none runs.
  void RunEvents(DrawingEvents& sink) override {
    if (!screen_) return;
    const char* statsPath = std::getenv("AEROLARK_STATS");
    LoopStats stats(statsPath ? statsPath : "");
    RunTimedEvents(*screen_, composer_, sink, stats);
  }

  // Under a host the screen belongs to the host (it may be locked): a box
  // there could not be answered and would outlive the host's SIGTERM, so the
  // caller reports on standard error instead.
  bool ShowMessageBox(const std::string& title, const std::string& text) override {
    if (options_.hostWindow) return false;
    return SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title.c_str(), text.c_str(),
                                    window_) == 0;
  }

 private:
  ScreenOptions options_;
  std::unique_ptr<Screen> screen_;
  SDL_Window* window_ = nullptr;  // of screen_, when it is our own window
};

}  // namespace

std::unique_ptr<DrawingDriver> CreateSdlDrawingDriver(const ScreenOptions& options) {
  return std::make_unique<SdlDrawingDriver>(options);
}

}  // namespace aerolark
