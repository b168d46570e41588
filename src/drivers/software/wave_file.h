#pragma once
// What every sound player accepts as a wave file, so a file plays on one
// system exactly when it plays on another: RIFF WAVE with a format chunk
// before its data chunk, both near the start; integer PCM a plain wave
// device takes (wave_samples.h); at least one whole block of samples; no
// larger than kMaxWaveFileBytes. A player whose library would take more
// (SDL_mixer also reads OGG, FLAC and float samples) asks here first.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "drivers/software/wave_samples.h"

namespace aerolark {

// Larger sound files are refused rather than read into memory.
constexpr std::uintmax_t kMaxWaveFileBytes = 64u << 20;

struct WaveSound {
  PcmFormat format;
  std::vector<std::uint8_t> samples;  // whole blocks, as far as the file holds them
};

// True when the file at `path` (UTF-8) is a wave file every player plays;
// only its start is read.
bool PlaysAsWave(const std::string& path);
// The format and the samples of that file; nothing exactly when PlaysAsWave
// is false. A short data chunk is kept as far as it goes.
std::optional<WaveSound> ReadWave(const std::string& path);

}  // namespace aerolark
