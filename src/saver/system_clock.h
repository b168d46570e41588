#pragma once
// The machine's clocks: a monotonic one for intervals, local time for the clock overlay.

#include "saver/clock.h"

namespace aerolark {

class SystemClock final : public Clock {
 public:
  double MonotonicSeconds() const override;
  // In the user's usual form: the C library's %X on Linux, so the program
  // must have set its locale from the environment; the regional settings on
  // Windows.
  std::string TimeOfDayText() const override;
};

}  // namespace aerolark
