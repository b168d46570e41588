#pragma once
// The drawing and sound drivers the start-up chooses from. Nothing here
// needs SDL or X11 headers.

#include <memory>
#include <optional>
#include <vector>

#include "assets/sound_control.h"
#include "drivers/drawing_driver.h"
#include "drivers/headless/headless_drawing_driver.h"
#include "drivers/headless/silent_sound_player.h"
#include "platform/platform_services.h"

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
};

// The screen through SDL (X11 or Wayland). Its OpenScreen returns false when
// there is no display or no window can be made.
std::unique_ptr<DrawingDriver> CreateSdlDrawingDriver(const ScreenOptions& options);
// Sound through SDL_mixer; without an audio device it stays silent.
std::unique_ptr<SoundControl> CreateSdlSoundPlayer();

}  // namespace aerolark
