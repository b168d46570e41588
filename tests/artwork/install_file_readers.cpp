#include "install_file_readers.h"

#include <fstream>
#include <iterator>

namespace aerolark::test {
namespace {

std::vector<unsigned char> Slurp(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t LE(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + i];
  return v;
}

}  // namespace

std::optional<Bitmap> ReadBitmap(const std::string& path) {
  const auto b = Slurp(path);
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
  Bitmap bmp;
  bmp.width = static_cast<std::int32_t>(LE(b, 18, 4));
  const std::int32_t rawHeight = static_cast<std::int32_t>(LE(b, 22, 4));
  bmp.height = rawHeight < 0 ? -rawHeight : rawHeight;
  bmp.bitsPerPixel = static_cast<int>(LE(b, 28, 2));
  const std::uint32_t compression = LE(b, 30, 4);
  if (bmp.width <= 0 || bmp.height <= 0 || compression != 0) return std::nullopt;
  if (bmp.bitsPerPixel != 24 && bmp.bitsPerPixel != 32) return std::nullopt;
  const std::size_t bytesPerPixel = bmp.bitsPerPixel / 8;
  const std::size_t stride = (bmp.width * bytesPerPixel + 3) / 4 * 4;
  const std::size_t offset = LE(b, 10, 4);
  if (offset + stride * bmp.height > b.size()) return std::nullopt;
  bmp.pixels.resize(static_cast<std::size_t>(bmp.width) * bmp.height);
  for (int y = 0; y < bmp.height; ++y) {
    const int fileRow = rawHeight > 0 ? bmp.height - 1 - y : y;
    for (int x = 0; x < bmp.width; ++x) {
      const std::size_t p = offset + fileRow * stride + x * bytesPerPixel;
      bmp.pixels[static_cast<std::size_t>(y) * bmp.width + x] = Pixel{b[p + 2], b[p + 1], b[p]};
    }
  }
  return bmp;
}

std::optional<Wave> ReadWave(const std::string& path) {
  const auto b = Slurp(path);
  if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
      std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
    return std::nullopt;
  Wave wave;
  bool haveFormat = false, haveData = false;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::string id(b.begin() + at, b.begin() + at + 4);
    const std::size_t size = LE(b, at + 4, 4);
    const std::size_t body = at + 8;
    if (body + size > b.size()) return std::nullopt;
    if (id == "fmt " && size >= 16) {
      wave.format = static_cast<int>(LE(b, body, 2));
      wave.channels = static_cast<int>(LE(b, body + 2, 2));
      wave.sampleRate = static_cast<int>(LE(b, body + 4, 4));
      wave.bitsPerSample = static_cast<int>(LE(b, body + 14, 2));
      haveFormat = true;
    } else if (id == "data" && haveFormat && wave.bitsPerSample == 16 && wave.channels > 0) {
      const std::size_t frame = 2 * wave.channels;
      for (std::size_t p = body; p + frame <= body + size; p += frame)
        wave.samples.push_back(static_cast<std::int16_t>(LE(b, p, 2)));
      haveData = true;
    }
    at = body + size + (size % 2);
  }
  if (!haveFormat || !haveData) return std::nullopt;
  return wave;
}

}  // namespace aerolark::test
