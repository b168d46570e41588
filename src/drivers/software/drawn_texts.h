#pragma once
// The texts drawn over the current backdrop, each with what lay beneath it
// and what it left. The clock and the hints are drawn on every event but the
// scene beneath them only on every few; a text drawn again where it already
// stands first gives back what lay beneath it, so that its smooth edges are
// not blended over themselves into a bolder, jagged line.

#include <cstdint>
#include <memory>
#include <vector>

#include "drivers/software/frame_buffer.h"
#include "drivers/software/text_mask.h"

namespace aerolark {

class DrawnTexts {
 public:
  // Draws as TextMask::DrawInto does and returns what it wrote. When the
  // same mask was drawn at the same place in the same colour since the last
  // Clear, the pixels still showing what that drawing left get back what lay
  // beneath it first: drawing a text twice gives the pixels of drawing it once.
  // Where all of them still show it, nothing is written and the box is empty.
  Box Draw(FrameBuffer& frame, std::shared_ptr<const TextMask> mask, std::int64_t x,
           std::int64_t y, Pixel565 colour);
  // The backdrop was painted again: what lay beneath the texts is gone.
  void Clear() { drawn_.clear(); }

 private:
  struct Drawn {
    std::shared_ptr<const TextMask> mask;  // kept, so its address is no other mask's
    std::int64_t x = 0;
    std::int64_t y = 0;
    Pixel565 colour = 0;
    Box area;                        // the mask's rectangle within the frame
    std::vector<Pixel565> beneath;  // of `area`, row by row
    std::vector<Pixel565> left;
  };
  // Keeps the vector's room: the clock copies the same area on every event.
  static void Copy(const FrameBuffer& frame, const Box& area, std::vector<Pixel565>& into);
  static void GiveBack(FrameBuffer& frame, Drawn& drawn);
  // The frame still shows exactly what the drawing left.
  static bool Unchanged(const FrameBuffer& frame, const Drawn& drawn);

  std::vector<Drawn> drawn_;
};

}  // namespace aerolark
