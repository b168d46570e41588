#pragma once
// Plain values that cross the interfaces between the core, the drivers and
// the platform: colours, monitor areas, window sizes and decoded pictures.
// No library type appears here, so every backend can share them.

#include <cstdint>
#include <vector>

namespace aerolark {

// Colours packed as red + green * 256 + blue * 65536.
using Colour = std::int32_t;

constexpr Colour PackColour(int red, int green, int blue) {
  return red + green * 256 + blue * 65536;
}

using ForeignWindow = std::uint32_t;  // a window of another program (an X11 id)

struct WindowSize {
  int width = 0;
  int height = 0;
};

// A monitor's place on the desktop, in pixels.
struct MonitorArea {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// A decoded picture: rows top to bottom, pixels 0xAARRGGBB (alpha 0xFF is
// opaque; pictures without alpha have it everywhere).
struct StillPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

}  // namespace aerolark
