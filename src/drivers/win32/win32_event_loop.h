#pragma once
// The real-time event loop on Windows: raises DrawFrame, SecondTick and
// input into a sink, presents the newest published frame once per refresh,
// and sleeps in between, woken by its timer or by a message.


#include "drivers/software/loop_stats.h"
#include "drivers/software/present_step.h"
#include "drivers/software/software_compositor.h"
#include "drivers/win32/frame_windows.h"
#include "render/drawing_events.h"

namespace aerolark {

// Run on the loop's thread once per refresh, right after the present.

// Runs until the sink ends, or the thread is told to quit (raised as a key).
// `stats` learns what was raised and presented, and is written at the end.
void RunWin32Events(FrameWindows& windows, SoftwareCompositor& composer, DrawingEvents& sink,
                    LoopStats& stats, const LoopChore& chore);

}  // namespace aerolark
