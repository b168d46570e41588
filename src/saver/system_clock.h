#pragma once
// The machine's clocks: a monotonic one for intervals, local time for the clock overlay.

#include "saver/clock.h"

namespace aerolark {

class SystemClock final : public Clock {
 public:
  double MonotonicSeconds() const override;
  // In the locale's usual form (the C library's %X), so the program must
  // have set its locale from the environment.
  std::string TimeOfDayText() const override;
};

}  // namespace aerolark
