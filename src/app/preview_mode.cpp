#include "app/preview_mode.h"

#include <memory>

#include "app/backends.h"
#include "assets/builtin_files.h"

namespace aerolark {

int RunPreviewMode(ForeignWindow parent, const std::string& installFolder) {
  if (parent == 0) return 0;
  std::unique_ptr<PlatformServices> platform = ChoosePlatform(true);
  // A missing picture still gives the preview its (black) window.
  return platform->RunPreview(parent, LoadPreviewPicture(builtin::PathIn(installFolder, builtin::kPreview)));
}

}  // namespace aerolark
