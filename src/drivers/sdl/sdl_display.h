#pragma once
// Drawing on the real display: the compositor, with pictures and text from
// SDL's libraries, its published frames shown in SDL windows of our own or
// in a host's window, and the real-time loop that raises the saver's events.
// Nothing here needs an SDL header.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "drivers/sdl/sdl_backends.h"
#include "drivers/software/software_compositor.h"
#include "render/contract_types.h"
#include "render/drawing_events.h"

struct SDL_Window;

namespace aerolark {

class Screen;

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

class SdlDisplay final : public FrameOutput, public EventSource {
 public:
  explicit SdlDisplay(ScreenOptions options);
  ~SdlDisplay() override;
  SdlDisplay(const SdlDisplay&) = delete;
  SdlDisplay& operator=(const SdlDisplay&) = delete;

  // What the saver draws with; its OpenScreen opens the windows.
  SoftwareCompositor& drawing() { return compositor_; }

  // The frame is composed in 16-bit colour whatever depth is asked; the
  // display's own mode is never changed. False when there is no display or
  // no window can be made.
  bool OpenOutput(int frameWidth, int frameHeight) override;
  // Without an open screen there is nothing to show and no input that could
  // end a loop, so none runs.
  void RunEvents(DrawingEvents& sink) override;
  bool ShowMessageBox(const std::string& title, const std::string& text) override;
  std::string NoDisplayExplanation() const override;
  // Run by the loop once per refresh, after presenting, on the loop's thread.
  void SetLoopChore(std::function<void()> chore) { chore_ = std::move(chore); }

 private:
  ScreenOptions options_;
  SdlCodecs codecs_;
  SoftwareCompositor compositor_{*codecs_.pictures, *codecs_.text, this};
  std::unique_ptr<Screen> screen_;
  SDL_Window* window_ = nullptr;  // of screen_, when it is our own window
  bool noDisplay_ = false;         // the last OpenOutput found no display at all
  std::function<void()> chore_;
};

}  // namespace aerolark
