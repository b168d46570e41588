#pragma once
// Small pictures written by the tests themselves, in a fresh folder per test.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <SDL.h>
#include <SDL_image.h>

#include "drivers/compositor_testing.h"
#include "support/files.h"

namespace aerolark::testing {

// Writes a picture whose pixels `rule` gives, of the kind its name ends in:
// BMP 24-bit (no alpha, as the saver's pictures are), JPEG, or else PNG with
// alpha from `alpha` (255 when empty).
inline std::string WritePicture(const std::string& path, int width, int height,
                                const PixelRule& rule, const AlphaRule& alpha = {}) {
  SDL_Surface* rgba = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGBA32);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<std::uint8_t*>(rgba->pixels) + y * rgba->pitch;
    for (int x = 0; x < width; ++x) {
      const Colour c = rule(x, y);
      row[x * 4 + 0] = c & 0xFF;
      row[x * 4 + 1] = (c >> 8) & 0xFF;
      row[x * 4 + 2] = (c >> 16) & 0xFF;
      row[x * 4 + 3] = alpha ? alpha(x, y) : 255;
    }
  }
  if (path.ends_with(".bmp")) {
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(rgba, SDL_PIXELFORMAT_BGR24, 0);
    SDL_SaveBMP(rgb, path.c_str());
    SDL_FreeSurface(rgb);
  } else if (path.ends_with(".jpg")) {
    IMG_SaveJPG(rgba, path.c_str(), 95);
  } else {
    IMG_SavePNG(rgba, path.c_str());
  }
  SDL_FreeSurface(rgba);
  return path;
}

inline std::string WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path;
}

}  // namespace aerolark::testing
