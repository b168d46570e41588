#include "file_formats.h"

#include <fstream>
#include <stdexcept>

namespace aerolark::art {
namespace {

void PutLE(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>((value >> (8 * i)) & 0xff));
}

std::uint32_t GetLE(const std::vector<unsigned char>& in, std::size_t at, int bytes) {
  std::uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | in.at(at + i);
  return value;
}

void WriteAll(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

int RowBytes(int width) { return (width * 3 + 3) / 4 * 4; }

}  // namespace

void WriteBmp24(const std::string& path, const Raster& raster) {
  const std::uint32_t imageSize = static_cast<std::uint32_t>(RowBytes(raster.width) * raster.height);
  std::vector<unsigned char> out;
  out.push_back('B');
  out.push_back('M');
  PutLE(out, 54 + imageSize, 4);
  PutLE(out, 0, 4);
  PutLE(out, 54, 4);
  PutLE(out, 40, 4);  // BITMAPINFOHEADER
  PutLE(out, static_cast<std::uint32_t>(raster.width), 4);
  PutLE(out, static_cast<std::uint32_t>(raster.height), 4);  // positive: bottom row first
  PutLE(out, 1, 2);
  PutLE(out, 24, 2);
  PutLE(out, 0, 4);  // no compression
  PutLE(out, imageSize, 4);
  PutLE(out, 2835, 4);  // 72 dpi
  PutLE(out, 2835, 4);
  PutLE(out, 0, 4);
  PutLE(out, 0, 4);
  for (int y = raster.height - 1; y >= 0; --y) {
    for (int x = 0; x < raster.width; ++x) {
      const Rgb c = raster.at(x, y);
      out.insert(out.end(), {c.b, c.g, c.r});
    }
    out.resize(out.size() + (RowBytes(raster.width) - raster.width * 3), 0);
  }
  WriteAll(path, out);
}

Raster ReadBmp24(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::vector<unsigned char> in((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (in.size() < 54 || in[0] != 'B' || in[1] != 'M' || GetLE(in, 28, 2) != 24 || GetLE(in, 30, 4) != 0)
    throw std::runtime_error("not a 24-bit BMP: " + path);
  Raster raster;
  raster.width = static_cast<int>(GetLE(in, 18, 4));
  raster.height = static_cast<int>(GetLE(in, 22, 4));
  const std::size_t offset = GetLE(in, 10, 4);
  raster.pixels.resize(static_cast<std::size_t>(raster.width) * raster.height);
  for (int y = 0; y < raster.height; ++y) {
    const std::size_t row = offset + static_cast<std::size_t>(raster.height - 1 - y) * RowBytes(raster.width);
    for (int x = 0; x < raster.width; ++x) {
      const std::size_t p = row + 3 * x;
      raster.at(x, y) = Rgb{in.at(p + 2), in.at(p + 1), in.at(p)};
    }
  }
  return raster;
}

namespace {

// Straight (not premultiplied) blue, green, red, alpha.
void PutStraightBgra(std::vector<unsigned char>& out, std::uint32_t argb) {
  const unsigned alpha = argb >> 24;
  auto channel = [&](int shift) {
    const unsigned value = (argb >> shift) & 0xff;
    return static_cast<unsigned char>(alpha == 0 ? 0 : (value * 255 + alpha / 2) / alpha);
  };
  out.insert(out.end(), {channel(0), channel(8), channel(16), static_cast<unsigned char>(alpha)});
}

// BITMAPINFOHEADER of twice the height (colour, then mask), the colour
// rows bottom up, then the 1-bit mask rows (all shown: alpha decides).
std::vector<unsigned char> IconBitmap(const IconImage& image) {
  const int size = image.size;
  const int maskRowBytes = (size + 31) / 32 * 4;
  std::vector<unsigned char> out;
  PutLE(out, 40, 4);
  PutLE(out, static_cast<std::uint32_t>(size), 4);
  PutLE(out, static_cast<std::uint32_t>(size * 2), 4);
  PutLE(out, 1, 2);
  PutLE(out, 32, 2);
  PutLE(out, 0, 4);
  PutLE(out, static_cast<std::uint32_t>(size * size * 4 + maskRowBytes * size), 4);
  for (int i = 0; i < 4; ++i) PutLE(out, 0, 4);
  for (int y = size - 1; y >= 0; --y) {
    for (int x = 0; x < size; ++x) PutStraightBgra(out, image.premultipliedArgb.at(y * size + x));
  }
  out.resize(out.size() + static_cast<std::size_t>(maskRowBytes * size), 0);
  return out;
}

}  // namespace

void WriteIco(const std::string& path, const std::vector<IconImage>& images) {
  std::vector<std::vector<unsigned char>> bitmaps;
  for (const IconImage& image : images) bitmaps.push_back(IconBitmap(image));
  std::vector<unsigned char> out;
  PutLE(out, 0, 2);
  PutLE(out, 1, 2);  // an icon, not a cursor
  PutLE(out, static_cast<std::uint32_t>(images.size()), 2);
  std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    out.push_back(static_cast<unsigned char>(images[i].size % 256));
    out.push_back(static_cast<unsigned char>(images[i].size % 256));
    out.insert(out.end(), {0, 0});  // no palette, reserved
    PutLE(out, 1, 2);
    PutLE(out, 32, 2);
    PutLE(out, static_cast<std::uint32_t>(bitmaps[i].size()), 4);
    PutLE(out, offset, 4);
    offset += static_cast<std::uint32_t>(bitmaps[i].size());
  }
  for (const auto& bitmap : bitmaps) out.insert(out.end(), bitmap.begin(), bitmap.end());
  WriteAll(path, out);
}

void WriteWav16(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate) {
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::vector<unsigned char> out{'R', 'I', 'F', 'F'};
  PutLE(out, 36 + dataBytes, 4);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  PutLE(out, 16, 4);
  PutLE(out, 1, 2);  // PCM
  PutLE(out, 1, 2);  // mono
  PutLE(out, static_cast<std::uint32_t>(sampleRate), 4);
  PutLE(out, static_cast<std::uint32_t>(sampleRate) * 2, 4);
  PutLE(out, 2, 2);
  PutLE(out, 16, 2);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  PutLE(out, dataBytes, 4);
  for (std::int16_t s : samples) PutLE(out, static_cast<std::uint16_t>(s), 2);
  WriteAll(path, out);
}

}  // namespace aerolark::art
