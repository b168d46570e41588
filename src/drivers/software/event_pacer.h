#pragma once
// When the loop's timed events fall due: DrawFrame at a steady rate with
// catch-up, SecondTick once a second from the start, and presenting at the
// display's refresh rate. Time comes in from outside, in seconds.

#include <cstdint>

namespace aerolark {

constexpr double kDrawFramesPerSecond = 360.0;

class EventPacer {
 public:
  // The timed events due at one wake-up, in the order they fell due.
  struct Burst {
    std::int64_t framesBeforeTick = 0;
    bool secondTick = false;
    std::int64_t framesAfterTick = 0;
  };

  EventPacer(double start, double presentsPerSecond);

  // DrawFrame events due at `now`, counted as raised. Frames that fell behind
  // are caught up, unless more than a second is owed (the process was
  // stopped, or the machine cannot keep up): then the frame clock starts
  // afresh with one frame rather than racing.
  std::int64_t TakeDueFrames(double now);
  // True when a SecondTick is due, at most once a call. Missed seconds are
  // not repeated after a pause.
  bool TakeSecondTick(double now);
  // Everything due at `now`: the loop sleeps between presents, so one
  // wake-up runs the frames of a whole refresh, with the SecondTick among
  // them where it fell due.
  Burst TakeDue(double now);
  bool PresentDue(double now) const { return now >= nextPresent_; }
  // A present slot was used (or passed with nothing new to show).
  void Presented(double now);

  // When the loop wakes next: the next present. Frames and ticks wait for it.
  double NextWake() const { return nextPresent_; }

 private:
  std::int64_t Owed(double now) const;

  double framePeriod_;
  double presentPeriod_;
  double frameEpoch_;
  std::int64_t framesSinceEpoch_ = 0;
  double nextSecond_;
  double nextPresent_;
};

}  // namespace aerolark
