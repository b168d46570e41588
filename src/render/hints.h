#pragma once
// The two one-time hint pictures: the tuning hint, then the monitor hint,
// each shown with a countdown for 30 seconds on the first runs. Once a hint
// has been shown its marker is stored, and later runs neither load nor show it.

#include <cstdint>

#include "settings/settings.h"

namespace aerolark {

struct HintState {
  bool tuneShown = false;        // the tuning hint's marker
  bool monitorShown = false;     // the monitor hint's marker
  std::int16_t countdown = 0;    // seconds left for the hint on screen

  // The hint timer has counted `secondsSinceLoad` seconds: updates the
  // countdown and, when a hint's time is up, sets and stores its marker.
  // On the second the first hint ends, the second one's countdown starts.
  void CountSecond(std::int16_t secondsSinceLoad, Settings& settings);
};

}  // namespace aerolark
