#include "drivers/win32/wave_out_sound_player.h"

#include "drivers/software/wave_file.h"
#include "drivers/win32/wave_playback.h"
#include "drivers/win32/win32_backends.h"

namespace aerolark {
namespace {

WAVEFORMATEX WaveFormat(const PcmFormat& pcm) {
  WAVEFORMATEX format{};
  format.wFormatTag = WAVE_FORMAT_PCM;
  format.nChannels = static_cast<WORD>(pcm.channels);
  format.nSamplesPerSec = static_cast<DWORD>(pcm.rate);
  format.wBitsPerSample = static_cast<WORD>(pcm.bitsPerSample);
  format.nBlockAlign = static_cast<WORD>(pcm.BlockBytes());
  format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
  return format;
}

}  // namespace

WaveOutSoundPlayer::WaveOutSoundPlayer() = default;

WaveOutSoundPlayer::~WaveOutSoundPlayer() = default;

SoundNumber WaveOutSoundPlayer::LoadSound(const std::string& path) {
  Sound sound;
  if (auto wave = ReadWave(path)) {
    sound.format = wave->format;
    sound.samples = std::move(wave->samples);
  }
  sounds_.emplace(++lastNumber_, std::move(sound));
  return lastNumber_;
}

void WaveOutSoundPlayer::SetSoundVolume(SoundNumber id, std::int32_t volume) {
  if (Sound* sound = Find(id)) sound->volumeSteps = VolumeSteps(volume);
}

void WaveOutSoundPlayer::PlaySound(SoundNumber id, std::int32_t, std::int32_t) {
  const Sound* sound = Find(id);
  if (!sound || !sound->format) return;
  playing_.erase(id);  // a sound that still plays starts again
  playing_.emplace(id, std::make_unique<WavePlayback>(
                           WaveFormat(*sound->format),
                           SamplesAtVolume(sound->samples, sound->format->bitsPerSample,
                                           sound->volumeSteps)));
}

void WaveOutSoundPlayer::StopSound(SoundNumber id) { playing_.erase(id); }

void WaveOutSoundPlayer::StopAllSounds() { playing_.clear(); }

void WaveOutSoundPlayer::ReleaseSound(SoundNumber id) {
  playing_.erase(id);
  sounds_.erase(id);
}

int WaveOutSoundPlayer::OpenDevices() const {
  int open = 0;
  for (const auto& [id, playback] : playing_) open += playback->Over() ? 0 : 1;
  return open;
}

WaveOutSoundPlayer::Sound* WaveOutSoundPlayer::Find(SoundNumber id) {
  const auto found = sounds_.find(id);
  return found == sounds_.end() ? nullptr : &found->second;
}

std::unique_ptr<SoundControl> OpenWaveOutSoundPlayer() {
  if (waveOutGetNumDevs() == 0) return nullptr;
  return std::make_unique<WaveOutSoundPlayer>();
}

}  // namespace aerolark
