#include "drivers/sdl/timed_event_loop.h"

#include <chrono>
#include <optional>

#include "drivers/frame/event_pacer.h"
#include "drivers/sdl/signal_watch.h"

namespace aerolark {
namespace {

double Now() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void RaiseFrames(std::int64_t count, DrawingEvents& sink) {
  for (std::int64_t i = 0; i < count && !sink.Ended(); ++i) sink.DrawFrame();
}

}  // namespace

void RunTimedEvents(Screen& screen, const FrameComposer& composer, DrawingEvents& sink) {
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
    RaiseFrames(pacer.TakeDueFrames(now), sink);
    if (!sink.Ended() && pacer.TakeSecondTick(now)) sink.SecondTick();
    if (sink.Ended()) return;

    now = Now();
    bool waiting = shownFlip != composer.FlipCount();
    if (waiting && pacer.PresentDue(now)) {
      screen.Present(composer.Front());
      shownFlip = composer.FlipCount();
      pacer.Presented(now);
      waiting = false;
    }
    const double wait = pacer.NextDeadline(waiting) - Now();
    if (wait > 0) screen.WaitForInput(wait);
  }
}

}  // namespace aerolark
