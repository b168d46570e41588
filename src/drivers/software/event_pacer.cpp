#include "drivers/software/event_pacer.h"

#include <algorithm>
#include <cmath>

namespace aerolark {

EventPacer::EventPacer(double start, double presentsPerSecond)
    : framePeriod_(1.0 / kDrawFramesPerSecond),
      presentPeriod_(1.0 / presentsPerSecond),
      frameEpoch_(start),
      nextSecond_(start + 1.0),
      nextPresent_(start) {}

double EventPacer::NextFrameTime() const {
  return frameEpoch_ + static_cast<double>(framesSinceEpoch_ + 1) * framePeriod_;
}

std::int64_t EventPacer::TakeDueFrames(double now) {
  const auto owed = static_cast<std::int64_t>(std::floor((now - frameEpoch_) / framePeriod_)) -
                    framesSinceEpoch_;
  if (owed <= 0) return 0;
  if (owed > static_cast<std::int64_t>(kDrawFramesPerSecond)) {
    frameEpoch_ = now;
    framesSinceEpoch_ = 0;
    return 1;
  }
  framesSinceEpoch_ += owed;
  return owed;
}

bool EventPacer::TakeSecondTick(double now) {
  if (now < nextSecond_) return false;
  nextSecond_ += 1.0;
  if (nextSecond_ <= now) nextSecond_ = now + 1.0;
  return true;
}

void EventPacer::Presented(double now) {
  nextPresent_ += presentPeriod_;
  if (nextPresent_ <= now) nextPresent_ = now + presentPeriod_;
}

double EventPacer::NextDeadline(bool presentWaiting) const {
  double deadline = std::min(NextFrameTime(), nextSecond_);
  if (presentWaiting) deadline = std::min(deadline, nextPresent_);
  return deadline;
}

}  // namespace aerolark
