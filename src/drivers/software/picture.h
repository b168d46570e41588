#pragma once
// A decoded picture in the frame's pixel format, ready to become a sprite.

#include <cstdint>
#include <vector>

#include "drivers/software/pixel_format.h"
#include "render/contract_types.h"

namespace aerolark {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Pixel565> pixels;       // row by row
  std::vector<std::uint8_t> covered;  // 1 where the picture's own alpha shows the pixel
};

// The decoded picture in RGB565; a pixel counts as shown from half alpha up.
Picture FramePicture(const StillPicture& decoded);

}  // namespace aerolark
