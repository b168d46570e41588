#pragma once
// The Windows desktop's services: windows found by title, window sizes, the
// preview inside the desktop's settings window, the monitors, the pointer
// and the system's screen-saver-running state. No Windows header here.

#include <memory>

#include "platform/platform_services.h"

namespace aerolark {

std::unique_ptr<PlatformServices> CreateWin32Platform();

}  // namespace aerolark
