#include "drivers/sdl/timed_event_loop.h"

#include <chrono>
#include <optional>

#include "drivers/software/event_pacer.h"
#include "drivers/software/process_age.h"
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

// The timed events due since the last wake-up, in the order they fell due.
void RaiseBurst(const EventPacer::Burst& burst, DrawingEvents& sink, LoopStats& stats) {
  RaiseFrames(burst.framesBeforeTick, sink, stats);
  if (burst.secondTick && !sink.Ended()) {
    sink.SecondTick();
    stats.SecondTicked();
  }
  RaiseFrames(burst.framesAfterTick, sink, stats);
  stats.Woke();
}

// Runs the loop proper; returns when it is over. It sleeps from one present
// to the next: waking for each of the 360 frames a second would cost far more
// than running them together, and nobody sees a frame before it is presented.
void Loop(Screen& screen, SoftwareCompositor& composer, DrawingEvents& sink, LoopStats& stats,
          const LoopChore& chore) {
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
    RaiseBurst(pacer.TakeDue(Now()), sink, stats);
    if (sink.Ended()) return;

    const double now = Now();
    if (pacer.PresentDue(now)) {
      if (shownFlip != composer.FlipCount()) {
        screen.Present(composer.Front(), composer.UnshownChanges());
        composer.MarkShown();
        shownFlip = composer.FlipCount();
        stats.Presented(Now());
      }
      pacer.Presented(now);
      // Work that may take a moment goes where it delays no frame.
      if (chore) chore();
    }
    const double wait = pacer.NextWake() - Now();
    if (wait > 0) screen.WaitForInput(wait);
  }
}

}  // namespace

void RunTimedEvents(Screen& screen, SoftwareCompositor& composer, DrawingEvents& sink,
                    LoopStats& stats, const LoopChore& chore) {
  stats.Started(Now(), ProcessAge());
  stats.Describe(screen.Presenter(), screen.PresentRate(), screen.Outputs());
  Loop(screen, composer, sink, stats, chore);
  stats.Write(Now());
}

}  // namespace aerolark
