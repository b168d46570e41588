#pragma once
// Drawing on the real display on Linux: the shared paced display with
// pictures and text from SDL's libraries, its frames shown in SDL windows of
// our own or in a host's window (drivers/x11). Nothing here needs an SDL
// header.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "drivers/software/paced_display.h"
#include "render/contract_types.h"

struct SDL_Window;

namespace aerolark {

struct ScreenOptions {
  // An ordinary 800 x 600 window instead of covering the screen.
  bool windowed = false;
  // Draw inside this existing X11 window instead: no window of our own, no
  // input taken.
  std::optional<unsigned long> hostWindow;
  // The monitors as the desktop arranges them, when it knows more of them
  // than SDL does (monitors declared to RandR); empty otherwise.
  std::vector<MonitorArea> monitors;
  // Where the loop's figures are written when it ends; empty: nowhere.
  std::string statsPath;
  // The DISPLAY variable, named when no display can be opened.
  std::string display;
};

class SdlDisplay final : public PacedDisplay {
 public:
  explicit SdlDisplay(ScreenOptions options);
  ~SdlDisplay() override;

  bool ShowMessageBox(const std::string& title, const std::string& text) override;
  std::string NoDisplayExplanation() const override;

 private:
  std::unique_ptr<Screen> OpenScreen(int frameWidth, int frameHeight) override;
  // SIGTERM and SIGINT end the loop in order, as a key would.
  void RunLoop(Screen& screen, DrawingEvents& sink, LoopStats& stats) override;

  ScreenOptions options_;
  SDL_Window* window_ = nullptr;  // of the screen, when it is our own window
  bool noDisplay_ = false;         // the last OpenOutput found no display at all
};

}  // namespace aerolark
