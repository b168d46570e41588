#pragma once
// The checks every picture decoder makes before decoding, so a hostile file
// cannot exhaust memory or time whichever library decodes it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "drivers/software/picture_header.h"

namespace aerolark {

// Largest picture accepted: larger ones are refused before decoding, so a
// header claiming absurd dimensions cannot exhaust memory.
constexpr int kMaxPictureSide = 16384;
constexpr std::int64_t kMaxPicturePixels = 4096LL * 4096LL;
constexpr std::uintmax_t kMaxPictureFileBytes = 128u << 20;

struct PictureFile {
  std::vector<std::uint8_t> bytes;
  PictureKind kind;
};

// The bytes and kind of the file at `path` (UTF-8). Nothing when it is
// missing, not a regular file, larger than kMaxPictureFileBytes, none of the
// four kinds, claims dimensions beyond the limits, or is a PNG whose chunks
// overrun it.
std::optional<PictureFile> ReadCheckedPictureFile(const std::string& path);

}  // namespace aerolark
