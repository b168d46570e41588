#pragma once
// Minimal readers for the two file formats of the install folder, written
// against the formats themselves rather than the generator's writer.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace aerolark::test {

struct Pixel {
  std::uint8_t r, g, b;
  bool operator==(const Pixel&) const = default;
};

struct Bitmap {
  int width = 0, height = 0;
  int bitsPerPixel = 0;
  std::vector<Pixel> pixels;  // top row first
  Pixel at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// An uncompressed 24- or 32-bit BMP, either row order; nullopt otherwise.
std::optional<Bitmap> ReadBitmap(const std::string& path);

struct Wave {
  int format = 0;  // 1 = PCM
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  std::vector<std::int16_t> samples;  // first channel only
};

// A RIFF WAVE file with its "fmt " and "data" chunks anywhere in it.
std::optional<Wave> ReadWave(const std::string& path);

inline std::uint16_t To565(Pixel p) {
  return static_cast<std::uint16_t>(((p.r >> 3) << 11) | ((p.g >> 2) << 5) | (p.b >> 3));
}

}  // namespace aerolark::test
