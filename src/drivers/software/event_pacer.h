#pragma once
// When the loop's timed events fall due: DrawFrame at a steady rate with
// catch-up, SecondTick once a second from the start, and presenting at the
// display's refresh rate. Time comes in from outside, in seconds.

#include <cstdint>

namespace aerolark {

constexpr double kDrawFramesPerSecond = 360.0;

class EventPacer {
 public:
  EventPacer(double start, double presentsPerSecond);

  // DrawFrame events due at `now`, counted as raised. Frames that fell behind
  // are caught up, unless more than a second is owed (the process was
  // stopped, or the machine cannot keep up): then the frame clock starts
  // afresh with one frame rather than racing.
  std::int64_t TakeDueFrames(double now);
  // True when a SecondTick is due, at most once a call. Missed seconds are
  // not repeated after a pause.
  bool TakeSecondTick(double now);
  bool PresentDue(double now) const { return now >= nextPresent_; }
  void Presented(double now);

  // The time of the next due event; presents count only while one waits.
  double NextDeadline(bool presentWaiting) const;

 private:
  double NextFrameTime() const;

  double framePeriod_;
  double presentPeriod_;
  double frameEpoch_;
  std::int64_t framesSinceEpoch_ = 0;
  double nextSecond_;
  double nextPresent_;
};

}  // namespace aerolark
