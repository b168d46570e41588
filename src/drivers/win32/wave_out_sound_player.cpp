// Sound through winmm's wave-out device. One sound plays at a time, which is
// all the saver asks for: playing one stops any other.
//
// The device is open only while a sound plays: an open device keeps the
// system's audio engine busy for nothing between the aircraft's passes. It
// opens again, in well under a frame, when a sound starts.

#include <cmath>
#include <memory>
#include <unordered_map>

#include "assets/sound_volume.h"
#include "drivers/headless/wave_file.h"
#include "drivers/win32/wave_playback.h"
#include "drivers/win32/win32_backends.h"

namespace aerolark {
namespace {

constexpr WORD kFormatExtensible = 0xFFFE;
// The sub-format GUID of plain PCM begins with its format tag.
constexpr std::size_t kSubFormatAt = 24;
// The volume is applied in these steps, as the Linux mixer applies it, so a
// setting sounds the same on both.
constexpr int kVolumeSteps = 128;

std::uint16_t Little16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}
std::uint32_t Little32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return Little16(bytes, at) | (static_cast<std::uint32_t>(Little16(bytes, at + 2)) << 16);
}

// The wave file's format as wave-out takes it: 8- or 16-bit PCM, mono or
// stereo. Nothing for any other.
std::optional<WAVEFORMATEX> PlayableFormat(const std::vector<std::uint8_t>& chunk) {
  WORD tag = Little16(chunk, 0);
  if (tag == kFormatExtensible && chunk.size() >= kSubFormatAt + 2) {
    tag = Little16(chunk, kSubFormatAt);
  }
  WAVEFORMATEX format{};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = Little16(chunk, 2);
  format.nSamplesPerSec = Little32(chunk, 4);
  format.wBitsPerSample = Little16(chunk, 14);
  format.nBlockAlign = static_cast<WORD>(format.nChannels * format.wBitsPerSample / 8);
  format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
  const bool usable = tag == WAVE_FORMAT_PCM && format.nChannels >= 1 && format.nChannels <= 2 &&
                      (format.wBitsPerSample == 8 || format.wBitsPerSample == 16) &&
                      format.nSamplesPerSec >= 1000 && format.nSamplesPerSec <= 384000 &&
                      Little16(chunk, 12) == format.nBlockAlign;
  if (!usable) return std::nullopt;
  return format;
}

// The samples at `steps`/kVolumeSteps of their amplitude, rounded toward
// zero as the Linux mixer rounds.
std::vector<std::uint8_t> AtVolume(const std::vector<std::uint8_t>& samples, WORD bits,
                                   int steps) {
  std::vector<std::uint8_t> scaled(samples);
  if (steps >= kVolumeSteps) return scaled;
  if (bits == 8) {
    for (std::uint8_t& s : scaled) {
      s = static_cast<std::uint8_t>((s - 128) * steps / kVolumeSteps + 128);
    }
    return scaled;
  }
  for (std::size_t i = 0; i + 1 < scaled.size(); i += 2) {
    const auto s = static_cast<std::int16_t>(Little16(scaled, i));
    const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>(s * steps / kVolumeSteps));
    scaled[i] = static_cast<std::uint8_t>(v & 0xFF);
    scaled[i + 1] = static_cast<std::uint8_t>(v >> 8);
  }
  return scaled;
}

class WaveOutSoundPlayer final : public SoundControl {
 public:
  // A file that does not read as a playable wave file gets a number that
  // plays nothing.
  SoundNumber LoadSound(const std::string& path) override {
    Sound sound;
    if (auto wave = ReadWaveFile(path)) {
      if (auto format = PlayableFormat(wave->format)) {
        wave->samples.resize(wave->samples.size() / format->nBlockAlign * format->nBlockAlign);
        if (!wave->samples.empty()) {
          sound.format = *format;
          sound.samples = std::move(wave->samples);
          sound.playable = true;
        }
      }
    }
    sounds_.emplace(++lastNumber_, std::move(sound));
    return lastNumber_;
  }

  void SetSoundVolume(SoundNumber id, std::int32_t volume) override {
    if (Sound* sound = Find(id)) {
      sound->volumeSteps = static_cast<int>(std::lround(VolumeGain(volume) * kVolumeSteps));
    }
  }

  void PlaySound(SoundNumber id, std::int32_t, std::int32_t) override {
    Stop();
    const Sound* sound = Find(id);
    if (!sound || !sound->playable) return;
    playing_ = std::make_unique<WavePlayback>(
        sound->format, AtVolume(sound->samples, sound->format.wBitsPerSample, sound->volumeSteps));
    playingId_ = id;
  }

  void StopSound(SoundNumber id) override {
    if (id == playingId_) Stop();
  }

  void StopAllSounds() override { Stop(); }

  void ReleaseSound(SoundNumber id) override {
    StopSound(id);
    sounds_.erase(id);
  }

 private:
  struct Sound {
    bool playable = false;
    WAVEFORMATEX format{};
    std::vector<std::uint8_t> samples;
    int volumeSteps = kVolumeSteps;
  };

  Sound* Find(SoundNumber id) {
    const auto found = sounds_.find(id);
    return found == sounds_.end() ? nullptr : &found->second;
  }

  void Stop() {
    playing_.reset();
    playingId_ = 0;
  }

  SoundNumber lastNumber_ = 0;
  std::unordered_map<SoundNumber, Sound> sounds_;
  std::unique_ptr<WavePlayback> playing_;  // closes the device when it ends or goes
  SoundNumber playingId_ = 0;
};

}  // namespace

std::unique_ptr<SoundControl> OpenWaveOutSoundPlayer() {
  if (waveOutGetNumDevs() == 0) return nullptr;
  return std::make_unique<WaveOutSoundPlayer>();
}

}  // namespace aerolark
