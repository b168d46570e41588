#pragma once
// A decoded picture in the frame's pixel format, and the reader that makes
// one from a BMP, GIF, JPEG or PNG file.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "drivers/frame/pixel_format.h"

namespace aerolark {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Pixel565> pixels;       // row by row
  std::vector<std::uint8_t> covered;  // 1 where the picture's own alpha shows the pixel
};

// Largest picture accepted: larger ones are refused before decoding, so a
// header claiming absurd dimensions cannot exhaust memory.
constexpr int kMaxPictureSide = 16384;
constexpr std::int64_t kMaxPicturePixels = 4096LL * 4096LL;
constexpr std::uintmax_t kMaxPictureFileBytes = 128u << 20;

// Reads and decodes the picture at `path`. Nothing when the file is missing,
// not a regular file, of an unknown kind, claims dimensions beyond the limits,
// or does not decode.
std::optional<Picture> ReadPicture(const std::string& path);

}  // namespace aerolark
