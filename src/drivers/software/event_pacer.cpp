#include "drivers/software/event_pacer.h"

#include <algorithm>
#include <cmath>

namespace aerolark {
namespace {

// Frame and second times are sums of fractions: a frame due at the same
// instant as a second must not slip behind it by a rounding error.
constexpr double kSameInstant = 1e-9;

}  // namespace

EventPacer::EventPacer(double start, double presentsPerSecond)
    : framePeriod_(1.0 / kDrawFramesPerSecond),
      presentPeriod_(1.0 / presentsPerSecond),
      frameEpoch_(start),
      nextSecond_(start + 1.0),
      nextPresent_(start) {}

std::int64_t EventPacer::Owed(double now) const {
  return static_cast<std::int64_t>(std::floor((now - frameEpoch_) / framePeriod_)) -
         framesSinceEpoch_;
}

std::int64_t EventPacer::TakeDueFrames(double now) {
  const std::int64_t owed = Owed(now);
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

// A tick comes after the frames due up to its time, as it would if the loop
// woke for every frame; when the frame clock starts afresh its one frame
// comes first.
EventPacer::Burst EventPacer::TakeDue(double now) {
  const bool restart = Owed(now) > static_cast<std::int64_t>(kDrawFramesPerSecond);
  const bool tickDue = now >= nextSecond_;
  Burst burst;
  burst.framesBeforeTick =
      TakeDueFrames(tickDue && !restart ? std::min(now, nextSecond_ + kSameInstant) : now);
  burst.secondTick = TakeSecondTick(now);
  burst.framesAfterTick = TakeDueFrames(now);
  return burst;
}

void EventPacer::Presented(double now) {
  nextPresent_ += presentPeriod_;
  if (nextPresent_ <= now) nextPresent_ = now + presentPeriod_;
}

}  // namespace aerolark
