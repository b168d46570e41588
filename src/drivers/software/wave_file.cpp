#include "drivers/software/wave_file.h"

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

// Where the playable samples lie in a file of `fileBytes` whose start is
// `start`: whole blocks of the data chunk, as far as the file holds it.
struct Playable {
  PcmFormat format;
  Chunk samples;
};

std::optional<Playable> Inspect(const std::vector<std::uint8_t>& start, std::uint64_t fileBytes) {
  const auto chunks = FindChunks(start);
  if (!chunks) return std::nullopt;
  const auto format = PcmFormatOf(Part(start, chunks->format));
  if (!format) return std::nullopt;
  const std::uint64_t at = std::min<std::uint64_t>(chunks->data.at, fileBytes);
  std::uint64_t held = std::min(chunks->data.size, fileBytes - at);
  // A partial block at the end would make a wave device refuse the buffer.
  held -= held % static_cast<std::uint64_t>(format->BlockBytes());
  if (held == 0) return std::nullopt;
  return Playable{*format, Chunk{chunks->data.at, held}};
}

std::optional<std::uintmax_t> FileBytes(const std::string& path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(PathFromUtf8(path), error);
  if (error || size > kMaxWaveFileBytes) return std::nullopt;
  return size;
}

}  // namespace

bool PlaysAsWave(const std::string& path) {
  const auto size = FileBytes(path);
  const auto start = size ? ReadStart(path, kWaveHeaderBytes) : std::nullopt;
  return start && Inspect(*start, *size).has_value();
}

std::optional<WaveSound> ReadWave(const std::string& path) {
  const auto size = FileBytes(path);
  const auto bytes = size ? ReadStart(path, static_cast<std::size_t>(*size)) : std::nullopt;
  if (!bytes) return std::nullopt;
  const auto playable = Inspect(*bytes, bytes->size());
  if (!playable) return std::nullopt;
  return WaveSound{playable->format, Part(*bytes, playable->samples)};
}

}  // namespace aerolark
