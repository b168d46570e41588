#include "drivers/software/raise_burst.h"

namespace aerolark {
namespace {

void RaiseFrames(std::int64_t count, DrawingEvents& sink, LoopStats& stats) {
  std::int64_t raised = 0;
  for (; raised < count && !sink.Ended(); ++raised) sink.DrawFrame();
  stats.FramesRaised(raised);
}

}  // namespace

void RaiseBurst(const EventPacer::Burst& burst, DrawingEvents& sink, LoopStats& stats) {
  RaiseFrames(burst.framesBeforeTick, sink, stats);
  if (burst.secondTick && !sink.Ended()) {
    sink.SecondTick();
    stats.SecondTicked();
  }
  RaiseFrames(burst.framesAfterTick, sink, stats);
  stats.Woke();
}

}  // namespace aerolark
