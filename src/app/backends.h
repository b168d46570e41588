#pragma once
// The one place that chooses the backends of every mode: the platform's
// services, drawing and its events, pictures and text, sound, and where the
// loop's figures go. Nothing else picks an implementation. Each system has
// its own choices (linux/backends_linux.cpp, win32/backends_win32.cpp); this
// header names no library or system type.

#include <memory>
#include <string>

#include "app/environment.h"
#include "assets/sound_control.h"
#include "platform/platform_services.h"
#include "render/drawing_control.h"
#include "render/drawing_events.h"

namespace aerolark {

// The desktop's services; the null ones where no display opens.
// `managePointer` false leaves the pointer to a host that owns the screen.
std::unique_ptr<PlatformServices> ChoosePlatform(bool managePointer);

// The preview's still picture; a missing or unreadable one is empty.
StillPicture LoadPreviewPicture(const std::string& path);

// Everything a saver run draws, hears and asks the desktop with. Each
// system makes its own drivers; what they hand out is the same.
class SaverBackends {
 public:
  SaverBackends(const SaverPlacement& placement, const ProgramEnvironment& environment)
      : in_(OpenDrivers(placement, environment)) {}
  SaverBackends(const SaverBackends&) = delete;
  SaverBackends& operator=(const SaverBackends&) = delete;

  PlatformServices& platform() { return *in_.platform; }
  DrawingControl& drawing() { return *in_.drawing; }
  EventSource& events() { return *in_.events; }
  // The audio device's player, or silence where there is none.
  SoundControl& sound() { return *in_.sound; }
  // True when no audio device opened: the run is silent.
  bool soundMissing() const { return in_.soundMissing; }
  // True inside a host's small preview, where the one-time hints are not
  // for the person at the screen.
  bool inSmallPreview() const { return in_.smallPreview; }

 private:
  struct Handed {
    PlatformServices* platform;
    DrawingControl* drawing;
    EventSource* events;
    SoundControl* sound;
    bool soundMissing;
    bool smallPreview;
    std::shared_ptr<void> drivers;  // the system's own, which the above point into
  };
  static Handed OpenDrivers(const SaverPlacement& placement, const ProgramEnvironment& environment);

  Handed in_;
};

}  // namespace aerolark
