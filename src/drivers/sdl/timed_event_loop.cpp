#include "drivers/sdl/timed_event_loop.h"

#include <chrono>

#include "drivers/software/event_pacer.h"
#include "drivers/software/present_step.h"
#include "drivers/software/process_age.h"
#include "drivers/software/raise_burst.h"
#include "drivers/sdl/signal_watch.h"

namespace aerolark {
namespace {

double Now() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// Runs the loop proper; returns when it is over. It sleeps from one present
// to the next: waking for each of the 360 frames a second would cost far more
// than running them together, and nobody sees a frame before it is presented.
void Loop(Screen& screen, SoftwareCompositor& composer, DrawingEvents& sink, LoopStats& stats,
          const LoopChore& chore) {
  const SignalWatch signals;
  EventPacer pacer(Now(), screen.PresentRate());
  PresentStep present(composer, stats, chore);
  while (!sink.Ended()) {
    screen.DeliverInput(sink);
    if (sink.Ended() || screen.Gone()) return;
    if (signals.Raised()) {
      sink.KeyEvent();
      return;
    }
    RaiseBurst(pacer.TakeDue(Now()), sink, stats);
    if (sink.Ended()) return;

    present.AtWake(
        Now(), pacer, [&](const auto& front, const auto& changes) { screen.Present(front, changes); }, Now);
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
