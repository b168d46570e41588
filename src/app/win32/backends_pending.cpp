// Stands in for backends_win32.cpp while the build has no Windows drawing
// backend yet: the platform is real, the preview shows black and the saver
// says it cannot draw. The build picks this file only then.

#include "app/backends.h"
#include "app/saver_mode.h"
#include "app/win32/notice_box.h"
#include "platform/win32/win32_platform.h"

namespace aerolark {

std::unique_ptr<PlatformServices> ChoosePlatform(bool) { return CreateWin32Platform(); }

StillPicture LoadPreviewPicture(const std::string&) { return StillPicture{}; }

int RunSaverMode(const SaverLaunch&) {
  ShowNotice("This build of Aerolark cannot draw yet.");
  return 1;
}

}  // namespace aerolark
