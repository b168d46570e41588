#pragma once
// Time as the saver sees it: a monotonic clock for intervals (it never jumps
// at midnight or when the wall clock is set) and the local time of day for
// the clock overlay. Tests drive a fake.

#include <string>

namespace aerolark {

class Clock {
 public:
  virtual ~Clock() = default;
  // Seconds since an arbitrary fixed point; never goes backwards.
  virtual double MonotonicSeconds() const = 0;
  // The local time of day in the locale's usual form, such as "14:05:09".
  virtual std::string TimeOfDayText() const = 0;
};

}  // namespace aerolark
