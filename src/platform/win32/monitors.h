#pragma once
// The monitors as Windows arranges them, for the desktop's services and for
// the windows that cover them. No Windows header here.

#include <vector>

#include "render/contract_types.h"

namespace aerolark {

// Each monitor once (mirrored monitors show one picture), in virtual-screen
// coordinates; monitors of no size are left out. Empty when the system
// lists none.
std::vector<MonitorArea> SystemMonitors();

}  // namespace aerolark
