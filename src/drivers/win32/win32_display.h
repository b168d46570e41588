#pragma once
// Drawing on the real display on Windows: the shared paced display with
// pictures from WIC and text from GDI, its frames shown in GDI windows of
// our own. Nothing here needs a Windows header.

#include <memory>
#include <string>
#include <vector>

#include "drivers/software/paced_display.h"
#include "render/contract_types.h"

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

class Win32Display final : public PacedDisplay {
 public:
  explicit Win32Display(Win32ScreenOptions options);
  ~Win32Display() override;

  // A modal box over the saver's windows, text given in UTF-8.
  bool ShowMessageBox(const std::string& title, const std::string& text) override;

 private:
  std::unique_ptr<Screen> OpenScreen(int frameWidth, int frameHeight) override;

  Win32ScreenOptions options_;
  FrameWindows* windows_ = nullptr;  // the screen, while one is open
};

}  // namespace aerolark
