#include "drivers/win32/wave_out_sound_player.h"

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

void WaveOutSoundPlayer::Start(SoundNumber id, const WaveSound& sound, int volumeSteps) {
  playing_.erase(id);  // its device closes before another opens
  playing_.emplace(id, std::make_unique<WavePlayback>(
                           WaveFormat(sound.format),
                           SamplesAtVolume(sound.samples, sound.format.bitsPerSample,
                                           volumeSteps)));
}

void WaveOutSoundPlayer::Stop(SoundNumber id) { playing_.erase(id); }

void WaveOutSoundPlayer::StopAll() { playing_.clear(); }

int WaveOutSoundPlayer::OpenDevices() const {
  int open = 0;
  for (const auto& [id, playback] : playing_) open += playback->Over() ? 0 : 1;
  return open;
}

std::unique_ptr<SoundControl> OpenWaveOutSoundPlayer() {
  if (waveOutGetNumDevs() == 0) return nullptr;
  return std::make_unique<WaveOutSoundPlayer>();
}

}  // namespace aerolark
