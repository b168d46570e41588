#pragma once
// Final pictures as they go into the install folder: plain 24-bit pixels,
// already reduced to the levels a 16-bit (5-6-5) screen can show.

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace aerolark::art {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// The transparent colour of every flying sprite (its top-left pixel).
constexpr Rgb kKeyColour{255, 0, 255};

struct Raster {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // row by row, top row first

  Rgb& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  const Rgb& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The 16-bit screen keeps 5 bits of red and blue and 6 of green.
std::uint16_t To565(Rgb c);
// The 24-bit colour whose reduction gives exactly this 5-6-5 value.
Rgb From565(std::uint16_t v);
bool SameOn565(Rgb a, Rgb b);

// A whole picture: every pixel opaque, error-diffused to 5-6-5 levels so
// gradients do not band, and no pixel shows the key colour.
Raster FlattenOpaque(cairo_surface_t* surface);

// A flying sprite drawn on a transparent surface: pixels at least half
// covered keep their own colour (opaque; edges never blend towards the key),
// the rest become the key colour; the top-left pixel is always the key.
Raster FlattenSprite(cairo_surface_t* surface);

// Trims a sprite to its plane plus `margin` key-coloured pixels on each side.
Raster CropSprite(const Raster& sprite, int margin);

// A cairo image (RGB24) of the raster, for composing sheets and previews;
// with keyTransparent the key-coloured pixels come out fully transparent.
cairo_surface_t* ToSurface(const Raster& raster, bool keyTransparent);

}  // namespace aerolark::art
