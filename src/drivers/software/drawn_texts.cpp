#include "drivers/software/drawn_texts.h"

#include <algorithm>

namespace aerolark {
namespace {

// A scene draws the message, the clock and two hint lines; the texts drawn
// longest ago are forgotten first (a clock's earlier seconds), and one
// forgotten is merely drawn over itself again.
constexpr std::size_t kMaxDrawnTexts = 8;

Box MaskArea(const FrameBuffer& frame, const TextMask& mask, std::int64_t x, std::int64_t y) {
  const auto clip = [](std::int64_t value, int high) {
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, high));
  };
  return {clip(x, frame.Width()), clip(y, frame.Height()), clip(x + mask.width, frame.Width()),
          clip(y + mask.height, frame.Height())};
}

}  // namespace

void DrawnTexts::Copy(const FrameBuffer& frame, const Box& area, std::vector<Pixel565>& into) {
  into.clear();
  for (int y = area.top; y < area.bottom; ++y) {
    into.insert(into.end(), frame.Row(y) + area.left, frame.Row(y) + area.right);
  }
}

bool DrawnTexts::Unchanged(const FrameBuffer& frame, const Drawn& drawn) {
  const Pixel565* left = drawn.left.data();
  const auto width = static_cast<std::size_t>(drawn.area.Width());
  for (int y = drawn.area.top; y < drawn.area.bottom; ++y, left += width) {
    if (!std::equal(left, left + width, frame.Row(y) + drawn.area.left)) return false;
  }
  return true;
}

// A pixel changed since by another drawing is taken as the new ground
// beneath the text rather than overwritten.
void DrawnTexts::GiveBack(FrameBuffer& frame, Drawn& drawn) {
  std::size_t i = 0;
  for (int y = drawn.area.top; y < drawn.area.bottom; ++y) {
    Pixel565* row = frame.Row(y);
    for (int x = drawn.area.left; x < drawn.area.right; ++x, ++i) {
      if (row[x] == drawn.left[i]) {
        row[x] = drawn.beneath[i];
      } else {
        drawn.beneath[i] = row[x];
      }
    }
  }
}

Box DrawnTexts::Draw(FrameBuffer& frame, std::shared_ptr<const TextMask> mask, std::int64_t x,
                     std::int64_t y, Pixel565 colour) {
  const Box area = MaskArea(frame, *mask, x, y);
  if (area.Empty()) return {};
  auto same = std::find_if(drawn_.begin(), drawn_.end(), [&](const Drawn& d) {
    return d.mask == mask && d.x == x && d.y == y && d.colour == colour;
  });
  if (same != drawn_.end()) {
    std::rotate(same, same + 1, drawn_.end());  // the latest drawn stand last
    same = drawn_.end() - 1;
    // Nothing drawn over it since: drawing it again would give the same
    // pixels, so nothing is written and nothing changes.
    if (Unchanged(frame, *same)) return {};
    GiveBack(frame, *same);
  } else {
    if (drawn_.size() == kMaxDrawnTexts) drawn_.erase(drawn_.begin());
    drawn_.push_back(Drawn{mask, x, y, colour, area, {}, {}});
    same = drawn_.end() - 1;
    Copy(frame, area, same->beneath);
  }
  const Box written = mask->DrawInto(frame, x, y, colour);
  Copy(frame, area, same->left);
  return written;
}

}  // namespace aerolark
