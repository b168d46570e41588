#pragma once
// The real-time event loop: raises DrawFrame, SecondTick and input into a
// sink, presents the newest published frame once per refresh, and sleeps in
// between.


#include "drivers/software/software_compositor.h"
#include "drivers/software/loop_stats.h"
#include "drivers/software/present_step.h"
#include "drivers/software/screen.h"
#include "render/drawing_events.h"

namespace aerolark {

// Run on the loop's thread once per refresh, right after the present: the
// place for housekeeping that must not delay a frame.

// Runs until the sink ends. A SIGTERM or SIGINT, or the screen going away,
// is raised as a key; the loop returns after it even if the sink did not end,
// as nothing else could end it.
// `stats` learns what was raised and presented, and is written at the end.
void RunTimedEvents(Screen& screen, SoftwareCompositor& composer, DrawingEvents& sink,
                    LoopStats& stats, const LoopChore& chore = {});

}  // namespace aerolark
