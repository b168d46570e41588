#include "drivers/software/picture_file.h"

#include <filesystem>
#include <fstream>

#include "settings/utf8_paths.h"

namespace aerolark {
namespace {

std::optional<std::vector<std::uint8_t>> ReadSmallFile(const std::string& utf8) {
  const std::filesystem::path path = PathFromUtf8(utf8);
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

}  // namespace

std::optional<PictureFile> ReadCheckedPictureFile(const std::string& path) {
  auto bytes = ReadSmallFile(path);
  if (!bytes) return std::nullopt;
  const auto header = ReadPictureHeader(*bytes);
  if (!header || !WithinLimits(*header)) return std::nullopt;
  if (header->kind == PictureKind::kPng && !PngChunksFit(*bytes)) return std::nullopt;
  return PictureFile{std::move(*bytes), header->kind};
}

}  // namespace aerolark
