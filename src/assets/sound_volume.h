#pragma once
// The sound control's volume: hundredths of a decibel, 0 full, negative
// quieter.

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace aerolark {

// Volumes outside this range are clamped: nothing plays louder than the
// recording, and -100 dB is silence.
constexpr std::int32_t kLoudestVolume = 0;
constexpr std::int32_t kQuietestVolume = -10000;

// The amplitude factor for a volume: 10^(v / 2000).
inline double VolumeGain(std::int32_t volume) {
  const std::int32_t clamped = std::clamp(volume, kQuietestVolume, kLoudestVolume);
  return std::pow(10.0, clamped / 2000.0);
}

}  // namespace aerolark
