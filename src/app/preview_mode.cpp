#include "app/preview_mode.h"

#include <memory>

#include "drivers/still_picture.h"
#include "platform/x11/x11_platform.h"

namespace aerolark {

int RunPreviewMode(ForeignWindow parent, const std::string& installFolder) {
  if (parent == 0) return 0;
  std::unique_ptr<PlatformServices> platform = CreateX11Platform(X11PlatformOptions{});
  if (!platform) return 0;
  // A missing picture still gives the preview its (black) window.
  StillPicture picture = LoadStillPicture(installFolder + "preview.bmp").value_or(StillPicture{});
  return platform->RunPreview(parent, picture);
}

}  // namespace aerolark
