#pragma once
// The frame's pixel format: 16-bit RGB565, red in the high bits.

#include <cstdint>

#include "render/drawing_control.h"

namespace aerolark {

using Pixel565 = std::uint16_t;

// A packed colour (red + green * 256 + blue * 65536) as an RGB565 pixel.
// Bits above the blue byte are ignored, as a 24-bit colour has none.
constexpr Pixel565 ToRgb565(Colour colour) {
  const auto bits = static_cast<std::uint32_t>(colour);
  const std::uint32_t red = bits & 0xFF, green = (bits >> 8) & 0xFF, blue = (bits >> 16) & 0xFF;
  return static_cast<Pixel565>(((red >> 3) << 11) | ((green >> 2) << 5) | (blue >> 3));
}

// An RGB565 pixel as a packed colour, each channel widened by repeating its
// high bits so that full intensity stays 255.
constexpr Colour FromRgb565(Pixel565 pixel) {
  const int red5 = (pixel >> 11) & 0x1F, green6 = (pixel >> 5) & 0x3F, blue5 = pixel & 0x1F;
  return PackColour((red5 << 3) | (red5 >> 2), (green6 << 2) | (green6 >> 4),
                    (blue5 << 3) | (blue5 >> 2));
}

}  // namespace aerolark
