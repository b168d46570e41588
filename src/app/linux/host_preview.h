#pragma once
// Whether a host's window is the small preview of its settings rather than
// the screen the saver covers. XScreenSaver's and MATE's settings both hand
// their preview to the saver exactly as their daemons hand the whole screen
// (XSCREENSAVER_WINDOW), so only the window's size tells the two apart: a
// daemon's window covers a monitor, a preview is a thumbnail of one.

#include <vector>

#include "render/contract_types.h"

namespace aerolark {

// True when `window` is smaller than a quarter of the monitor its centre
// lies on (the first monitor when none holds it); false when no monitor is
// known.
bool IsSmallPreview(const MonitorArea& window, const std::vector<MonitorArea>& monitors);

}  // namespace aerolark
