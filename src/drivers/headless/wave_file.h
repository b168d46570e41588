#pragma once
// What a sound player accepts as a wave file: RIFF WAVE with a format chunk
// before its data chunk, both found near the start. Every player applies
// this check, so a file plays on one platform exactly when it would play on
// another.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace aerolark {

// Larger sound files are refused rather than read into memory.
constexpr std::uintmax_t kMaxWaveFileBytes = 64u << 20;

struct WaveFile {
  std::vector<std::uint8_t> format;   // the format chunk as stored (16 bytes or more)
  std::vector<std::uint8_t> samples;  // the data chunk, as far as the file holds it
};

// True when the file at `path` (UTF-8) reads as a wave file; only its start
// is read.
bool ReadsAsWave(const std::string& path);
// The format and the samples of the wave file at `path` (UTF-8). Nothing
// when it is missing, not a regular file, larger than kMaxWaveFileBytes or
// not a wave file. A short data chunk is kept as far as it goes.
std::optional<WaveFile> ReadWaveFile(const std::string& path);

}  // namespace aerolark
