#include "saver/hint_timer.h"

#include <limits>

namespace aerolark {
namespace {

constexpr std::int16_t kLastTick = 500;

}  // namespace

void HintTimer::Tick(HintState& hints, Settings& settings) {
  if (secondsSinceLoad_ < std::numeric_limits<std::int16_t>::max()) ++secondsSinceLoad_;
  hints.CountSecond(secondsSinceLoad_, settings);
  if (secondsSinceLoad_ > kLastTick) {
    secondsSinceLoad_ = 0;
    enabled_ = false;
  }
}

}  // namespace aerolark
