#include "drivers/win32/win32_event_loop.h"

#include <chrono>

#include "drivers/software/event_pacer.h"
#include "drivers/software/present_step.h"
#include "drivers/software/process_age.h"
#include "drivers/software/raise_burst.h"
#include "drivers/win32/wake_timer.h"

namespace aerolark {
namespace {

double Now() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// Sleeps from one present to the next, as the Linux loop does: the frames
// that fell due meanwhile run together, as nobody sees one before it is
// presented.
void Loop(FrameWindows& windows, SoftwareCompositor& composer, DrawingEvents& sink,
          LoopStats& stats, const LoopChore& chore, const WakeTimer& timer) {
  EventPacer pacer(Now(), windows.PresentRate());
  PresentStep present(composer, stats, chore);
  while (!sink.Ended()) {
    windows.DeliverInput(sink);
    if (sink.Ended() || windows.QuitAsked()) return;
    RaiseBurst(pacer.TakeDue(Now()), sink, stats);
    if (sink.Ended()) return;

    present.AtWake(
        Now(), pacer, [&](const auto& front, const auto& changes) { windows.Present(front, changes); }, Now);
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
