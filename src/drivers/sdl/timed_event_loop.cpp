#include "drivers/sdl/timed_event_loop.h"

#include <chrono>
#include <optional>

#include "drivers/software/event_pacer.h"
#include "drivers/sdl/signal_watch.h"

namespace aerolark {
namespace {

double Now() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void RaiseFrames(std::int64_t count, DrawingEvents& sink, LoopStats& stats) {
  std::int64_t raised = 0;
  for (; raised < count && !sink.Ended(); ++raised) sink.DrawFrame();
  stats.FramesRaised(raised);
}

// Runs the loop proper; returns when it is over.
void Loop(Screen& screen, const SoftwareCompositor& composer, DrawingEvents& sink, LoopStats& stats) {
  const SignalWatch signals;
  EventPacer pacer(Now(), screen.PresentRate());
  std::optional<std::uint64_t> shownFlip;  // nothing shown yet: show at once
  while (!sink.Ended()) {
    screen.DeliverInput(sink);
    if (sink.Ended() || screen.Gone()) return;
    if (signals.Raised()) {
      sink.KeyEvent();
      return;
    }
    double now = Now();
    RaiseFrames(pacer.TakeDueFrames(now), sink, stats);
    if (!sink.Ended() && pacer.TakeSecondTick(now)) {
      sink.SecondTick();
      stats.SecondTicked();
    }
    if (sink.Ended()) return;

    now = Now();
    bool waiting = shownFlip != composer.FlipCount();
    if (waiting && pacer.PresentDue(now)) {
      screen.Present(composer.Front());
      shownFlip = composer.FlipCount();
      pacer.Presented(now);
      stats.Presented(Now());
      waiting = false;
    }
    const double wait = pacer.NextDeadline(waiting) - Now();
    if (wait > 0) screen.WaitForInput(wait);
  }
}

}  // namespace

void RunTimedEvents(Screen& screen, const SoftwareCompositor& composer, DrawingEvents& sink,
                    LoopStats& stats) {
  stats.Started(Now());
  stats.Describe(screen.Presenter(), screen.PresentRate(), screen.Outputs());
  Loop(screen, composer, sink, stats);
  stats.Write(Now());
}

}  // namespace aerolark
