#include "app/backends.h"

#include "drivers/headless/silent_sound_player.h"
#include "drivers/win32/win32_backends.h"
#include "drivers/win32/win32_display.h"
#include "platform/win32/win32_platform.h"

namespace aerolark {

// No host hands a window to a saver on Windows: the pointer is always ours.
std::unique_ptr<PlatformServices> ChoosePlatform(bool) { return CreateWin32Platform(); }

StillPicture LoadPreviewPicture(const std::string& path) {
  return CreateWicPictureDecoder()->Decode(path).value_or(StillPicture{});
}

namespace {

// The wave-out player, or silence where the machine has no output device.
std::unique_ptr<SoundControl> ChooseSound() {
  std::unique_ptr<SoundControl> player = OpenWaveOutSoundPlayer();
  if (player) return player;
  return std::make_unique<SilentSoundPlayer>();
}

// One process covers every monitor, so the one speaker needs no sharing.
struct Drivers {
  Drivers(const SaverPlacement& placement, const ProgramEnvironment& environment)
      : platform(CreateWin32Platform()),
        display(Win32ScreenOptions{placement.windowed, platform->Monitors(),
                                   environment.statsPath}),
        sound(ChooseSound()),
        soundMissing(dynamic_cast<SilentSoundPlayer*>(sound.get()) != nullptr) {}

  std::unique_ptr<PlatformServices> platform;
  Win32Display display;
  std::unique_ptr<SoundControl> sound;
  bool soundMissing;
};

}  // namespace

SaverBackends::Handed SaverBackends::OpenDrivers(const SaverPlacement& placement,
                                                 const ProgramEnvironment& environment) {
  auto d = std::make_shared<Drivers>(placement, environment);
  return {d->platform.get(), &d->display.drawing(), &d->display, d->sound.get(), d->soundMissing,
          /*smallPreview=*/false, d};  // no host hands a saver a window on Windows
}

}  // namespace aerolark
