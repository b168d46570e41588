#include "app/backends.h"

#include "app/linux/host_preview.h"
#include "app/linux/shared_speaker_sound.h"
#include "drivers/headless/silent_sound_player.h"
#include "drivers/sdl/sdl_backends.h"
#include "drivers/sdl/sdl_display.h"
#include "platform/linux/instance_registry.h"
#include "platform/null/null_platform.h"
#include "platform/linux/speaker_lock.h"
#include "platform/x11/x11_platform.h"

namespace aerolark {

std::unique_ptr<PlatformServices> ChoosePlatform(bool managePointer) {
  std::unique_ptr<PlatformServices> platform =
      CreateX11Platform(X11PlatformOptions{.managePointer = managePointer});
  if (platform) return platform;
  return std::make_unique<NullPlatform>();
}

StillPicture LoadPreviewPicture(const std::string& path) {
  return CreateSdlPictureDecoder()->Decode(path).value_or(StillPicture{});
}

namespace {

bool InSmallPreview(const SaverPlacement& placement, const std::vector<MonitorArea>& monitors) {
  if (!placement.hostWindow) return false;
  const std::optional<MonitorArea> window = X11WindowArea(*placement.hostWindow);
  return window && IsSmallPreview(*window, monitors);
}

// The audio device's player, or silence where there is none (no device or
// sound server). The loop lets the device go between sounds.
std::unique_ptr<SoundControl> ChooseSound(SdlDisplay& display) {
  std::unique_ptr<SdlSoundControl> player = OpenSdlSoundPlayer();
  if (!player) return std::make_unique<SilentSoundPlayer>();
  display.SetLoopChore([sound = player.get()] { sound->CloseDeviceIfSilent(); });
  return player;
}

// Under a host the pointer and the screen belong to the host. Savers that a
// host runs one per monitor share the display's one speaker.
struct Drivers {
  Drivers(const SaverPlacement& placement, const ProgramEnvironment& environment)
      : platform(ChoosePlatform(!placement.hostWindow)),
        monitors(platform->Monitors()),
        smallPreview(InSmallPreview(placement, monitors)),
        display(ScreenOptions{placement.windowed, placement.hostWindow, monitors,
                              environment.statsPath, environment.display}),
        player(ChooseSound(display)),
        soundMissing(dynamic_cast<SilentSoundPlayer*>(player.get()) != nullptr),
        speaker(InstanceRegistry::DefaultFolder(), environment.display),
        sound(*player, speaker) {}

  std::unique_ptr<PlatformServices> platform;
  std::vector<MonitorArea> monitors;
  bool smallPreview;
  SdlDisplay display;
  std::unique_ptr<SoundControl> player;
  bool soundMissing;
  SpeakerLock speaker;
  SharedSpeakerSound sound;
};

}  // namespace

SaverBackends::Handed SaverBackends::OpenDrivers(const SaverPlacement& placement,
                                                 const ProgramEnvironment& environment) {
  auto d = std::make_shared<Drivers>(placement, environment);
  return {d->platform.get(), &d->display.drawing(), &d->display, &d->sound, d->soundMissing,
          d->smallPreview, d};
}

}  // namespace aerolark
