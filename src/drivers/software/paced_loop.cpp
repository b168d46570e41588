#include "drivers/software/paced_loop.h"

#include <chrono>
#include <cstdint>

#include "drivers/software/event_pacer.h"
#include "drivers/software/process_age.h"

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

// The burst's DrawFrame events and its SecondTick in the order they fell
// due, stopping as soon as the sink ends.
void RaiseBurst(const EventPacer::Burst& burst, DrawingEvents& sink, LoopStats& stats) {
  RaiseFrames(burst.framesBeforeTick, sink, stats);
  if (burst.secondTick && !sink.Ended()) {
    sink.SecondTick();
    stats.SecondTicked();
  }
  RaiseFrames(burst.framesAfterTick, sink, stats);
  stats.Woke();
}

// When the pacer calls for a present: the composed frame goes on screen if
// it changed since it was last shown, then the chore runs.
class PresentStep {
 public:
  PresentStep(Screen& screen, SoftwareCompositor& composer, LoopStats& stats,
              const LoopChore& chore)
      : screen_(screen), composer_(composer), stats_(stats), chore_(chore) {}

  void AtWake(double now, EventPacer& pacer) {
    if (!pacer.PresentDue(now)) return;
    if (!shownAny_ || shownFlip_ != composer_.FlipCount()) {
      screen_.Present(composer_.Front(), composer_.UnshownChanges());
      composer_.MarkShown();
      shownFlip_ = composer_.FlipCount();
      shownAny_ = true;
      stats_.Presented(Now());
    }
    pacer.Presented(now);
    // Work that may take a moment goes where it delays no frame.
    if (chore_) chore_();
  }

 private:
  Screen& screen_;
  SoftwareCompositor& composer_;
  LoopStats& stats_;
  const LoopChore& chore_;
  bool shownAny_ = false;  // nothing shown yet: show at once
  std::uint64_t shownFlip_ = 0;
};

void Loop(Screen& screen, SoftwareCompositor& composer, DrawingEvents& sink, LoopStats& stats,
          const LoopChore& chore) {
  EventPacer pacer(Now(), screen.PresentRate());
  PresentStep present(screen, composer, stats, chore);
  while (!sink.Ended()) {
    screen.DeliverInput(sink);
    if (sink.Ended() || screen.Gone()) return;
    RaiseBurst(pacer.TakeDue(Now()), sink, stats);
    if (sink.Ended()) return;
    present.AtWake(Now(), pacer);
    const double wait = pacer.NextWake() - Now();
    if (wait > 0) screen.WaitForInput(wait);
  }
}

}  // namespace

void RunPacedLoop(Screen& screen, SoftwareCompositor& composer, DrawingEvents& sink,
                  LoopStats& stats, const LoopChore& chore) {
  stats.Started(Now(), ProcessAge());
  stats.Describe(screen.Presenter(), screen.PresentRate(), screen.Outputs());
  Loop(screen, composer, sink, stats, chore);
  stats.Write(Now());
}

}  // namespace aerolark
