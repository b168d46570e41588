#include "drivers/software/picture_header.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace aerolark {
namespace {

using Bytes = std::span<const std::uint8_t>;

bool StartsWith(Bytes bytes, const char* magic, std::size_t length) {
  return bytes.size() >= length && std::memcmp(bytes.data(), magic, length) == 0;
}

std::uint32_t Little16(Bytes b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
std::int32_t Little32(Bytes b, std::size_t at) {
  return static_cast<std::int32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
                                   (static_cast<std::uint32_t>(b[at + 3]) << 24));
}
std::uint32_t Big16(Bytes b, std::size_t at) { return (b[at] << 8) | b[at + 1]; }
std::uint32_t Big32(Bytes b, std::size_t at) {
  return (static_cast<std::uint32_t>(b[at]) << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) |
         b[at + 3];
}

std::optional<PictureHeader> BmpHeader(Bytes b) {
  if (b.size() < 26) return std::nullopt;
  const std::int32_t infoSize = Little32(b, 14);
  if (infoSize == 12) {  // the old OS/2 header has 16-bit dimensions
    return PictureHeader{PictureKind::kBmp, Little16(b, 18), Little16(b, 20)};
  }
  // A negative height marks a top-down picture.
  return PictureHeader{PictureKind::kBmp, std::llabs(static_cast<long long>(Little32(b, 18))),
                       std::llabs(static_cast<long long>(Little32(b, 22)))};
}

std::optional<PictureHeader> PngHeader(Bytes b) {
  if (b.size() < 24) return std::nullopt;
  return PictureHeader{PictureKind::kPng, Big32(b, 16), Big32(b, 20)};
}

// Skips GIF data sub-blocks starting at `at`; returns the offset after the terminator.
std::optional<std::size_t> SkipGifSubBlocks(Bytes b, std::size_t at) {
  while (at < b.size()) {
    const std::size_t length = b[at];
    at += 1 + length;
    if (length == 0) return at;
  }
  return std::nullopt;
}

std::optional<PictureHeader> GifHeader(Bytes b) {
  if (b.size() < 13) return std::nullopt;
  std::int64_t width = Little16(b, 6), height = Little16(b, 8);
  std::size_t at = 13;
  if (b[10] & 0x80) at += 3u << ((b[10] & 0x07) + 1);  // global colour table
  while (at < b.size()) {
    if (b[at] == 0x2C) {  // the first image descriptor
      if (at + 9 > b.size()) return std::nullopt;
      width = std::max<std::int64_t>(width, Little16(b, at + 5));
      height = std::max<std::int64_t>(height, Little16(b, at + 7));
      return PictureHeader{PictureKind::kGif, width, height};
    }
    if (b[at] != 0x21 || at + 2 > b.size()) return std::nullopt;
    const auto next = SkipGifSubBlocks(b, at + 2);  // extension: introducer, label, blocks
    if (!next) return std::nullopt;
    at = *next;
  }
  return std::nullopt;
}

bool IsStartOfFrame(std::uint8_t marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

std::optional<PictureHeader> JpegHeader(Bytes b) {
  std::size_t at = 2;
  while (at + 4 <= b.size()) {
    if (b[at] != 0xFF) return std::nullopt;
    const std::uint8_t marker = b[at + 1];
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    if (marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) {
      at += 2;  // markers without a length
      continue;
    }
    if (IsStartOfFrame(marker)) {
      if (at + 9 > b.size()) return std::nullopt;
      return PictureHeader{PictureKind::kJpeg, Big16(b, at + 7), Big16(b, at + 5)};
    }
    at += 2 + Big16(b, at + 2);
  }
  return std::nullopt;
}

}  // namespace

bool PngChunksFit(Bytes bytes) {
  std::size_t at = 8;
  while (at + 12 <= bytes.size()) {
    const std::size_t length = Big32(bytes, at);
    if (length > bytes.size() - at - 12) return false;
    if (std::memcmp(bytes.data() + at + 4, "IEND", 4) == 0) return true;
    at += 12 + length;
  }
  return false;
}

std::optional<PictureHeader> ReadPictureHeader(Bytes bytes) {
  if (StartsWith(bytes, "BM", 2)) return BmpHeader(bytes);
  if (StartsWith(bytes, "\x89PNG\r\n\x1a\n", 8)) return PngHeader(bytes);
  if (StartsWith(bytes, "GIF87a", 6) || StartsWith(bytes, "GIF89a", 6)) return GifHeader(bytes);
  if (StartsWith(bytes, "\xFF\xD8", 2)) return JpegHeader(bytes);
  return std::nullopt;
}

}  // namespace aerolark
