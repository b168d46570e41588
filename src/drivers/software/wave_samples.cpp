#include "drivers/software/wave_samples.h"

#include <algorithm>
#include <cmath>

#include "assets/sound_volume.h"

namespace aerolark {
namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
// In an extensible format chunk the sub-format GUID, whose first two bytes
// are the plain format tag.
constexpr std::size_t kSubFormatAt = 24;
constexpr int kLowestRate = 1000;
constexpr int kHighestRate = 384000;

std::uint16_t Little16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t Little32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return Little16(bytes, at) | (static_cast<std::uint32_t>(Little16(bytes, at + 2)) << 16);
}

}  // namespace

std::optional<PcmFormat> PcmFormatOf(const std::vector<std::uint8_t>& chunk) {
  if (chunk.size() < 16) return std::nullopt;
  std::uint16_t tag = Little16(chunk, 0);
  if (tag == kFormatExtensible && chunk.size() >= kSubFormatAt + 2) {
    tag = Little16(chunk, kSubFormatAt);
  }
  const std::uint32_t rate = Little32(chunk, 4);
  PcmFormat format;
  format.channels = Little16(chunk, 2);
  format.bitsPerSample = Little16(chunk, 14);
  format.rate = static_cast<int>(std::min<std::uint32_t>(rate, kHighestRate + 1));
  const bool usable = tag == kFormatPcm && (format.channels == 1 || format.channels == 2) &&
                      (format.bitsPerSample == 8 || format.bitsPerSample == 16) &&
                      format.rate >= kLowestRate && format.rate <= kHighestRate &&
                      Little16(chunk, 12) == format.BlockBytes();
  if (!usable) return std::nullopt;
  return format;
}

int VolumeSteps(std::int32_t volume) {
  return static_cast<int>(std::lround(VolumeGain(volume) * kVolumeSteps));
}

std::vector<std::uint8_t> SamplesAtVolume(std::vector<std::uint8_t> samples, int bitsPerSample,
                                          int steps) {
  if (steps >= kVolumeSteps) return samples;
  if (bitsPerSample == 8) {
    for (std::uint8_t& s : samples) {
      s = static_cast<std::uint8_t>((s - 128) * steps / kVolumeSteps + 128);
    }
    return samples;
  }
  for (std::size_t i = 0; i + 1 < samples.size(); i += 2) {
    const auto sample = static_cast<std::int16_t>(Little16(samples, i));
    const auto scaled = static_cast<std::uint16_t>(sample * steps / kVolumeSteps);
    samples[i] = static_cast<std::uint8_t>(scaled & 0xFF);
    samples[i + 1] = static_cast<std::uint8_t>(scaled >> 8);
  }
  return samples;
}

}  // namespace aerolark
