#pragma once
// Preview mode: the still picture inside the desktop's preview window.

#include <string>

#include "platform/platform_services.h"

namespace aerolark {

// Ends quietly (status 0) when there is no display or no such window.
int RunPreviewMode(ForeignWindow parent, const std::string& installFolder);

}  // namespace aerolark
