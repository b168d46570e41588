#include "app/backends.h"

#include "drivers/headless/silent_sound_player.h"
#include "drivers/sdl/sdl_backends.h"
#include "platform/null/null_platform.h"
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

// Under a host the pointer and the screen belong to the host.
SaverBackends::SaverBackends(const SaverPlacement& placement,
                             const ProgramEnvironment& environment)
    : platform_(ChoosePlatform(!placement.hostWindow)),
      display_(std::make_unique<SdlDisplay>(ScreenOptions{placement.windowed,
                                                          placement.hostWindow,
                                                          platform_->Monitors(),
                                                          environment.statsPath,
                                                          environment.display})) {
  std::unique_ptr<SdlSoundControl> player = OpenSdlSoundPlayer();
  if (player) {
    // The loop lets the audio device go between sounds.
    display_->SetLoopChore([sound = player.get()] { sound->CloseDeviceIfSilent(); });
    sound_ = std::move(player);
  } else {
    // No audio device or sound server: the saver runs silent.
    sound_ = std::make_unique<SilentSoundPlayer>();
  }
}

}  // namespace aerolark
