#pragma once
// Drawing on a real display, the same on every system: the compositor with
// the system's pictures and text, its frames shown on the screen the
// system's driver opens, and the paced loop raising the saver's events.
// Each system's driver (SdlDisplay, Win32Display) says how its screen opens
// and how a message box shows.

#include <memory>
#include <string>

#include "drivers/software/paced_loop.h"
#include "drivers/software/picture_decoder.h"
#include "drivers/software/screen.h"
#include "drivers/software/software_compositor.h"
#include "drivers/software/text_rasteriser.h"
#include "render/drawing_events.h"

namespace aerolark {

class PacedDisplay : public FrameOutput, public EventSource {
 public:
  // `statsPath`: where the loop's figures are written when it ends (UTF-8);
  // empty: nowhere.
  PacedDisplay(std::unique_ptr<PictureDecoder> pictures, std::unique_ptr<TextRasteriser> text,
               std::string statsPath);
  ~PacedDisplay() override;
  PacedDisplay(const PacedDisplay&) = delete;
  PacedDisplay& operator=(const PacedDisplay&) = delete;

  // What the saver draws with; its OpenScreen opens the windows.
  SoftwareCompositor& drawing() { return compositor_; }

  // The frame is composed in 16-bit colour whatever depth is asked; the
  // display's own mode is never changed. The screen open before closes
  // first. False when no screen opens.
  bool OpenOutput(int frameWidth, int frameHeight) final;
  // Without an open screen there is nothing to show and no input that could
  // end a loop, so none runs.
  void RunEvents(DrawingEvents& sink) final;
  void SetLoopChore(LoopChore chore) { chore_ = std::move(chore); }

 protected:
  // The system's screen for frames of this size; null when none opens.
  virtual std::unique_ptr<Screen> OpenScreen(int frameWidth, int frameHeight) = 0;
  // Runs the paced loop on `screen`; a system whose loop ends on more than
  // the screen's input passes a screen that watches for it.
  virtual void RunLoop(Screen& screen, DrawingEvents& sink, LoopStats& stats);

 private:
  std::unique_ptr<PictureDecoder> pictures_;
  std::unique_ptr<TextRasteriser> text_;
  SoftwareCompositor compositor_{*pictures_, *text_, this};
  std::string statsPath_;
  std::unique_ptr<Screen> screen_;
  LoopChore chore_;
};

}  // namespace aerolark
