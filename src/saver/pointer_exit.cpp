#include "saver/pointer_exit.h"

#include <cmath>
#include <limits>

namespace aerolark {
namespace {

constexpr double kWindowSeconds = 10;

}  // namespace

bool PointerExit::CountMove(double now) {
  if (count_ < std::numeric_limits<std::int16_t>::max()) ++count_;
  // A fraction or a number below 1 can never equal the count.
  if (mouseSens_ == count_) return true;
  if (!windowStart_) {
    windowStart_ = std::nearbyint(now);
  } else if (now - *windowStart_ > kWindowSeconds) {
    windowStart_.reset();
    count_ = 0;
  }
  return false;
}

}  // namespace aerolark
