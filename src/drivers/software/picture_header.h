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
std::optional<PictureHeader> ReadPictureHeader(std::span<const std::uint8_t> bytes);

// True when every chunk of the PNG file `bytes`, up to IEND, lies inside it.
// The decoder's reader ignores the end of the data, so one chunk claiming
// more bytes than the file holds kept it reading nothing for minutes.
bool PngChunksFit(std::span<const std::uint8_t> bytes);

}  // namespace aerolark
