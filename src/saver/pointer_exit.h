#pragma once
// Pointer movement ends the saver only when enough movement events arrive
// close together: the MouseSens-th event of a counting window. A window opens
// at the first event after a reset and closes at the first event more than
// 10 seconds after it opened; that event is still counted first.

#include <cstdint>
#include <optional>

namespace aerolark {

class PointerExit {
 public:
  explicit PointerExit(double mouseSens = 0) : mouseSens_(mouseSens) {}

  // One movement event at monotonic time `now` (seconds). True when it ends
  // the saver; the window is then left as it is.
  bool CountMove(double now);

  std::int16_t count() const { return count_; }

 private:
  double mouseSens_;
  std::int16_t count_ = 0;
  std::optional<double> windowStart_;  // whole seconds
};

}  // namespace aerolark
