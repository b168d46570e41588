#include "drivers/win32/win32_event_loop.h"

#include <chrono>
#include <optional>

#include "drivers/software/event_pacer.h"
#include "drivers/software/process_age.h"
#include "drivers/win32/wake_timer.h"

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

// Sleeps from one present to the next, as the Linux loop does: the frames
// that fell due meanwhile run together, as nobody sees one before it is
// presented.
void Loop(FrameWindows& windows, SoftwareCompositor& composer, DrawingEvents& sink,
          LoopStats& stats, const LoopChore& chore, const WakeTimer& timer) {
  EventPacer pacer(Now(), windows.PresentRate());
  std::optional<std::uint64_t> shownFlip;  // nothing shown yet: show at once
  while (!sink.Ended()) {
    windows.DeliverInput(sink);
    if (sink.Ended() || windows.QuitAsked()) return;
    RaiseBurst(pacer.TakeDue(Now()), sink, stats);
    if (sink.Ended()) return;

    const double now = Now();
    if (pacer.PresentDue(now)) {
      if (shownFlip != composer.FlipCount()) {
        windows.Present(composer.Front(), composer.UnshownChanges());
        composer.MarkShown();
        shownFlip = composer.FlipCount();
        stats.Presented(Now());
      }
      pacer.Presented(now);
      if (chore) chore();
    }
    const double wait = pacer.NextWake() - Now();
    if (wait > 0) timer.WaitForMessages(wait);
  }
}

}  // namespace

void RunWin32Events(FrameWindows& windows, SoftwareCompositor& composer, DrawingEvents& sink,
                    LoopStats& stats, const LoopChore& chore) {
  const WakeTimer timer;
  stats.Started(Now(), ProcessAge());
  stats.Describe("GDI StretchBlt, " + timer.Describe(), windows.PresentRate(), windows.Outputs());
  Loop(windows, composer, sink, stats, chore, timer);
  stats.Write(Now());
}

}  // namespace aerolark
