#pragma once
// Tells real pointer movement from the reports a window system makes when a
// window appears or the pointer enters it, and from reports of an unchanged
// position.

#include <optional>

namespace aerolark {

class PointerFilter {
 public:
  // The next report is a first one (a window appeared, the pointer entered).
  void Forget() { last_.reset(); }
  // True when the pointer really moved to (x, y).
  bool Moved(int x, int y) {
    const bool moved = last_ && (last_->x != x || last_->y != y);
    last_ = Position{x, y};
    return moved;
  }

 private:
  struct Position {
    int x;
    int y;
  };
  std::optional<Position> last_;
};

}  // namespace aerolark
