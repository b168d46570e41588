#pragma once
// The one place that chooses the backends of every mode: the platform's
// services, drawing and its events, pictures and text, sound, and where the
// loop's figures go. Nothing else picks an implementation.

#include <memory>
#include <string>

#include "app/environment.h"
#include "assets/sound_control.h"
#include "drivers/sdl/sdl_display.h"
#include "platform/platform_services.h"

namespace aerolark {

// The X11 desktop's services; the null ones where no display opens.
// `managePointer` false leaves the pointer to a host that owns the screen.
std::unique_ptr<PlatformServices> ChoosePlatform(bool managePointer);

// The preview's still picture; a missing or unreadable one is empty.
StillPicture LoadPreviewPicture(const std::string& path);

// Everything a saver run draws, hears and asks the desktop with.
class SaverBackends {
 public:
  SaverBackends(const SaverPlacement& placement, const ProgramEnvironment& environment);

  PlatformServices& platform() { return *platform_; }
  DrawingControl& drawing() { return display_->drawing(); }
  EventSource& events() { return *display_; }
  // The audio device's player, or silence where there is none.
  SoundControl& sound() { return *sound_; }

 private:
  std::unique_ptr<PlatformServices> platform_;
  std::unique_ptr<SdlDisplay> display_;
  std::unique_ptr<SoundControl> sound_;
};

}  // namespace aerolark
