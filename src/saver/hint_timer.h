#pragma once
// The one-second timer that times the two one-time hints. It counts the
// seconds since the saver window loaded and disables itself for the rest of
// the run after 501 ticks.

#include <cstdint>

#include "render/hints.h"
#include "settings/settings.h"

namespace aerolark {

class HintTimer {
 public:
  bool enabled() const { return enabled_; }
  std::int16_t secondsSinceLoad() const { return secondsSinceLoad_; }

  // One tick of an enabled timer.
  void Tick(HintState& hints, Settings& settings);

 private:
  bool enabled_ = true;
  std::int16_t secondsSinceLoad_ = 0;
};

}  // namespace aerolark
