#include "drivers/headless/wave_file.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "settings/utf8_paths.h"

namespace aerolark {
namespace {

// Far more than the chunks before the data of any wave file.
constexpr std::size_t kWaveHeaderBytes = 4096;

struct Chunk {
  std::size_t at = 0;  // of the chunk's contents
  std::uint64_t size = 0;
};
struct WaveChunks {
  Chunk format;
  Chunk data;
};

bool HasTag(const std::vector<std::uint8_t>& bytes, std::size_t at, const char* tag) {
  return at + 4 <= bytes.size() && std::memcmp(bytes.data() + at, tag, 4) == 0;
}

std::uint32_t Little32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | bytes[at + i];
  return value;
}

// The chunks of a wave file whose data chunk starts within the first
// kWaveHeaderBytes of `bytes`, after a format chunk of at least 16 bytes.
std::optional<WaveChunks> FindChunks(const std::vector<std::uint8_t>& bytes) {
  if (!HasTag(bytes, 0, "RIFF") || !HasTag(bytes, 8, "WAVE")) return std::nullopt;
  std::optional<Chunk> format;
  const std::size_t end = std::min(bytes.size(), kWaveHeaderBytes);
  for (std::size_t at = 12; at + 8 <= end;) {
    const std::uint64_t size = Little32(bytes, at + 4);
    if (HasTag(bytes, at, "fmt ")) {
      format = size >= 16 ? std::optional(Chunk{at + 8, size}) : std::nullopt;
    }
    if (HasTag(bytes, at, "data")) {
      if (!format) return std::nullopt;
      return WaveChunks{*format, Chunk{at + 8, size}};
    }
    at += 8 + size + (size & 1);
  }
  return std::nullopt;
}

// Up to `limit` bytes of the regular file at `path`; nothing when it is not one.
std::optional<std::vector<std::uint8_t>> ReadStart(const std::string& path, std::size_t limit) {
  std::error_code error;
  const auto file = PathFromUtf8(path);
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  std::vector<std::uint8_t> bytes(limit);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

std::vector<std::uint8_t> Part(const std::vector<std::uint8_t>& bytes, const Chunk& chunk) {
  const std::size_t from = std::min(chunk.at, bytes.size());
  const std::size_t to = static_cast<std::size_t>(
      std::min<std::uint64_t>(chunk.at + chunk.size, bytes.size()));
  return std::vector<std::uint8_t>(bytes.begin() + from, bytes.begin() + std::max(from, to));
}

}  // namespace

bool ReadsAsWave(const std::string& path) {
  const auto bytes = ReadStart(path, kWaveHeaderBytes);
  return bytes && FindChunks(*bytes).has_value();
}

std::optional<WaveFile> ReadWaveFile(const std::string& path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(PathFromUtf8(path), error);
  if (error || size > kMaxWaveFileBytes) return std::nullopt;
  const auto bytes = ReadStart(path, static_cast<std::size_t>(size));
  if (!bytes) return std::nullopt;
  const auto chunks = FindChunks(*bytes);
  if (!chunks) return std::nullopt;
  return WaveFile{Part(*bytes, chunks->format), Part(*bytes, chunks->data)};
}

}  // namespace aerolark
