#pragma once
// A wave file's samples as a device plays them: the formats a plain wave
// device takes, and the volume applied to the samples themselves, in the
// steps SDL_mixer applies it on Linux, so a setting sounds the same on
// every platform.

#include <cstdint>
#include <optional>
#include <vector>

namespace aerolark {

// The amplitude is scaled by steps / kVolumeSteps.
constexpr int kVolumeSteps = 128;

struct PcmFormat {
  int channels = 0;
  int rate = 0;           // frames per second
  int bitsPerSample = 0;  // 8 (unsigned) or 16 (signed, little-endian)
  int BlockBytes() const { return channels * bitsPerSample / 8; }
};

// The format chunk of a wave file when it is integer PCM (plainly, or as an
// extensible format) of 8 or 16 bits, mono or stereo, at a sensible rate,
// its block size consistent; nothing for any other.
std::optional<PcmFormat> PcmFormatOf(const std::vector<std::uint8_t>& formatChunk);

// The steps for a volume in hundredths of a decibel (see VolumeGain).
int VolumeSteps(std::int32_t volume);

// `samples` at steps / kVolumeSteps of their amplitude, rounded toward zero
// (8-bit samples around their middle, 128); a trailing partial sample is
// kept as it is.
std::vector<std::uint8_t> SamplesAtVolume(std::vector<std::uint8_t> samples, int bitsPerSample,
                                          int steps);

}  // namespace aerolark
