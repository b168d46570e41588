#pragma once
// Drawing on the real display on Windows: the compositor, with pictures from
// WIC and text from GDI, its published frames shown in GDI windows of our
// own, and the real-time loop that raises the saver's events. Nothing here
// needs a Windows header.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "drivers/software/software_compositor.h"
#include "render/contract_types.h"
#include "render/drawing_events.h"

namespace aerolark {

class FrameWindows;

struct Win32ScreenOptions {
  // An ordinary 800 x 600 window instead of covering the screen.
  bool windowed = false;
  // The monitors to cover; empty: those the system lists.
  std::vector<MonitorArea> monitors;
  // Where the loop's figures are written when it ends (UTF-8); empty: nowhere.
  std::string statsPath;
};

class Win32Display final : public FrameOutput, public EventSource {
 public:
  explicit Win32Display(Win32ScreenOptions options);
  ~Win32Display() override;
  Win32Display(const Win32Display&) = delete;
  Win32Display& operator=(const Win32Display&) = delete;

  // What the saver draws with; its OpenScreen opens the windows.
  SoftwareCompositor& drawing() { return compositor_; }

  // The frame is composed in 16-bit colour whatever depth is asked; the
  // display's own mode is never changed. False when no window can be made.
  bool OpenOutput(int frameWidth, int frameHeight) override;
  // Without an open screen there is nothing to show and no input that could
  // end a loop, so none runs.
  void RunEvents(DrawingEvents& sink) override;
  // A modal box over the saver's windows, text given in UTF-8.
  bool ShowMessageBox(const std::string& title, const std::string& text) override;
  // Run by the loop once per refresh, after presenting, on the loop's thread.
  void SetLoopChore(std::function<void()> chore) { chore_ = std::move(chore); }

 private:
  Win32ScreenOptions options_;
  std::unique_ptr<PictureDecoder> pictures_;
  std::unique_ptr<TextRasteriser> text_;
  SoftwareCompositor compositor_;
  std::unique_ptr<FrameWindows> windows_;
  std::function<void()> chore_;
};

}  // namespace aerolark
