#pragma once
// Raising the timed events that fell due at one wake-up of a real-time loop,
// the same on every platform.

#include "drivers/software/event_pacer.h"
#include "drivers/software/loop_stats.h"
#include "render/drawing_events.h"

namespace aerolark {

// Raises the burst's DrawFrame events and its SecondTick in the order they
// fell due, stopping as soon as the sink ends; `stats` counts what was raised.
void RaiseBurst(const EventPacer::Burst& burst, DrawingEvents& sink, LoopStats& stats);

}  // namespace aerolark
