#pragma once
// A frame scaled onto its letterbox with nearest-neighbour sampling, a part
// at a time: a part of the frame maps to the box of screen pixels that
// sample it, and scaling that box alone gives exactly the pixels that
// scaling the whole frame gives there. (Scaling a sub-rectangle with a
// general stretch routine would step through it afresh and sample slightly
// differently, leaving seams.) Pixels are sampled as SDL's software stretch
// samples them, so a whole-frame scaling is the same picture either way.

#include <cstdint>
#include <vector>

#include "drivers/software/box.h"

namespace aerolark {

class NearestScale {
 public:
  NearestScale() = default;
  // A frame of frameWidth x frameHeight shown on `target` (the letterbox).
  NearestScale(int frameWidth, int frameHeight, const Box& target);

  const Box& Target() const { return target_; }
  bool Fits(int frameWidth, int frameHeight, const Box& target) const {
    return frameWidth == frameWidth_ && frameHeight == frameHeight_ && target == target_;
  }
  // The screen pixels whose samples lie in `part` of the frame; empty when
  // scaling down skips all of it.
  Box Covering(const Box& part) const;
  // Writes `area` of the screen (within Target()) from the frame; both hold
  // pixels of `bytesPerPixel` (1 to 4) bytes, rows `pitch` bytes apart.
  void Scale(const std::uint8_t* frame, int framePitch, std::uint8_t* screen, int screenPitch,
             int bytesPerPixel, const Box& area) const;
  // The same from a frame of 16-bit colours, `frameWidth` to a row, each
  // written as its entry of `colours` (65536 entries of `bytesPerPixel`).
  void ScaleColours(const std::uint16_t* frame, int frameWidth, const std::uint8_t* colours,
                    std::uint8_t* screen, int screenPitch, int bytesPerPixel,
                    const Box& area) const;
  // The same into 32-bit pixels, each widened as WidenRgb565Row widens it.
  void ScaleWidened(const std::uint16_t* frame, int frameWidth, std::uint32_t fill,
                    std::uint8_t* screen, int screenPitch, const Box& area);

 private:
  // Each column of the target samples the frame's column of the same index.
  bool SameWidth() const { return target_.Width() == frameWidth_; }

  int frameWidth_ = 0;
  int frameHeight_ = 0;
  Box target_;
  std::vector<int> columns_;  // for each column of the target, the frame's column
  std::vector<int> rows_;     // for each row of the target, the frame's row
  std::vector<std::uint8_t> widened_;  // a row's span of the frame, widened once
};

}  // namespace aerolark
