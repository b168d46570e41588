#include "drivers/frame/picture.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include <SDL_image.h>

#include "drivers/frame/picture_header.h"
#include "drivers/frame/sdl_handles.h"
#include "drivers/still_picture.h"

namespace aerolark {
namespace {

std::optional<std::vector<std::uint8_t>> ReadSmallFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  const auto size = std::filesystem::file_size(path, error);
  if (error || size > kMaxPictureFileBytes) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes(size);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
  if (static_cast<std::uintmax_t>(in.gcount()) != size) return std::nullopt;
  return bytes;
}

bool WithinLimits(const PictureHeader& header) {
  return header.width > 0 && header.height > 0 && header.width <= kMaxPictureSide &&
         header.height <= kMaxPictureSide && header.width * header.height <= kMaxPicturePixels;
}

const char* DecoderName(PictureKind kind) {
  switch (kind) {
    case PictureKind::kBmp: return "BMP";
    case PictureKind::kGif: return "GIF";
    case PictureKind::kJpeg: return "JPG";
    case PictureKind::kPng: return "PNG";
  }
  return "";
}

Picture FromArgb(const SDL_Surface& argb) {
  Picture picture;
  picture.width = argb.w;
  picture.height = argb.h;
  const std::size_t count = static_cast<std::size_t>(argb.w) * static_cast<std::size_t>(argb.h);
  picture.pixels.resize(count);
  picture.covered.resize(count);
  std::size_t at = 0;
  for (int y = 0; y < argb.h; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(
        static_cast<const std::uint8_t*>(argb.pixels) + static_cast<std::size_t>(y) * argb.pitch);
    for (int x = 0; x < argb.w; ++x, ++at) {
      const std::uint32_t p = row[x];
      picture.pixels[at] = ToRgb565(PackColour((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
      picture.covered[at] = (p >> 24) >= 0x80 ? 1 : 0;
    }
  }
  return picture;
}

StillPicture StillFromArgb(const SDL_Surface& argb) {
  StillPicture picture;
  picture.width = argb.w;
  picture.height = argb.h;
  picture.pixels.reserve(static_cast<std::size_t>(argb.w) * static_cast<std::size_t>(argb.h));
  for (int y = 0; y < argb.h; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(
        static_cast<const std::uint8_t*>(argb.pixels) + static_cast<std::size_t>(y) * argb.pitch);
    for (int x = 0; x < argb.w; ++x) picture.pixels.push_back(row[x] & 0xFFFFFF);
  }
  return picture;
}

// Decodes the file to 32-bit ARGB and hands the locked surface to `convert`.
template <typename Convert>
auto DecodeArgb(const std::string& path, Convert convert)
    -> std::optional<decltype(convert(std::declval<const SDL_Surface&>()))> {
  const auto bytes = ReadSmallFile(path);
  if (!bytes) return std::nullopt;
  const auto header = ReadPictureHeader(*bytes);
  if (!header || !WithinLimits(*header)) return std::nullopt;
  if (header->kind == PictureKind::kPng && !PngChunksFit(*bytes)) return std::nullopt;
  RwHandle rw(SDL_RWFromConstMem(bytes->data(), static_cast<int>(bytes->size())));
  if (!rw) return std::nullopt;
  SurfaceHandle decoded(IMG_LoadTyped_RW(rw.get(), 0, DecoderName(header->kind)));
  if (!decoded || decoded->w <= 0 || decoded->h <= 0) return std::nullopt;
  SurfaceHandle argb(SDL_ConvertSurfaceFormat(decoded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
  if (!argb || SDL_LockSurface(argb.get()) != 0) return std::nullopt;
  auto converted = convert(*argb);
  SDL_UnlockSurface(argb.get());
  return converted;
}

}  // namespace

std::optional<Picture> ReadPicture(const std::string& path) {
  return DecodeArgb(path, FromArgb);
}

std::optional<StillPicture> LoadStillPicture(const std::string& path) {
  return DecodeArgb(path, StillFromArgb);
}

}  // namespace aerolark
