#pragma once
// Reading a still picture (the preview's) for showing outside the drawing control.

#include <optional>
#include <string>

#include "platform/platform_services.h"

namespace aerolark {

// Nothing when the file is missing, unreadable or beyond the picture limits.
std::optional<StillPicture> LoadStillPicture(const std::string& path);

}  // namespace aerolark
