#pragma once
// The kind and dimensions a picture file claims, read from its first bytes
// without decoding it.

#include <cstdint>
#include <optional>
#include <span>

namespace aerolark {

enum class PictureKind { kBmp, kGif, kJpeg, kPng };

struct PictureHeader {
  PictureKind kind;
  std::int64_t width;
  std::int64_t height;
};

// Nothing when the bytes are none of the four kinds or end before the
// dimensions. For a GIF, the larger of the screen and first image sizes.
// Nothing for a PNG whose chunks run past the end of the bytes (truncated or
// damaged): it cannot decode, and trying can take minutes.
std::optional<PictureHeader> ReadPictureHeader(std::span<const std::uint8_t> bytes);

}  // namespace aerolark
