#pragma once
// The real-time loop, the same on every system: DrawFrame raised at a steady
// 360 a second with SecondTick among them, input between bursts, the newest
// composed frame presented once per refresh, and sleep in between. It wakes
// once per present and runs the frames that fell due meanwhile together:
// waking for each would cost far more, and nobody sees a frame before it is
// presented.

#include <functional>

#include "drivers/software/loop_stats.h"
#include "drivers/software/screen.h"
#include "drivers/software/software_compositor.h"
#include "render/drawing_events.h"

namespace aerolark {

// Run on the loop's thread once per refresh, right after the present: the
// place for housekeeping that must not delay a frame.
using LoopChore = std::function<void()>;

// Runs until the sink ends, or until the screen is gone (its input raised a
// key then, and nothing else could end the loop). `stats` learns what was
// raised and presented, and is written at the end.
void RunPacedLoop(Screen& screen, SoftwareCompositor& composer, DrawingEvents& sink,
                  LoopStats& stats, const LoopChore& chore);

}  // namespace aerolark
