#pragma once
// The present step of a real-time loop, the same on every platform: when
// the pacer calls for a present, the composed frame goes on screen if it
// changed since it was last shown, then the loop's chore runs.

#include <cstdint>
#include <functional>

#include "drivers/software/event_pacer.h"
#include "drivers/software/loop_stats.h"
#include "drivers/software/software_compositor.h"

namespace aerolark {

using LoopChore = std::function<void()>;

class PresentStep {
 public:
  PresentStep(SoftwareCompositor& composer, LoopStats& stats, const LoopChore& chore)
      : composer_(composer), stats_(stats), chore_(chore) {}

  // `show(front, changes)` puts the frame on screen; `clock()` reads the
  // loop's time after it, for the figures.
  template <typename Show, typename Clock>
  void AtWake(double now, EventPacer& pacer, Show show, Clock clock) {
    if (!pacer.PresentDue(now)) return;
    if (!shownAny_ || shownFlip_ != composer_.FlipCount()) {
      show(composer_.Front(), composer_.UnshownChanges());
      composer_.MarkShown();
      shownFlip_ = composer_.FlipCount();
      shownAny_ = true;
      stats_.Presented(clock());
    }
    pacer.Presented(now);
    // Work that may take a moment goes where it delays no frame.
    if (chore_) chore_();
  }

 private:
  SoftwareCompositor& composer_;
  LoopStats& stats_;
  const LoopChore& chore_;
  bool shownAny_ = false;  // nothing shown yet: show at once
  std::uint64_t shownFlip_ = 0;
};

}  // namespace aerolark
