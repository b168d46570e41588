#include "drivers/software/wave_sound_player.h"

namespace aerolark {

SoundNumber WaveSoundPlayer::LoadSound(const std::string& path) {
  sounds_.emplace(++lastNumber_, Sound{ReadWave(path)});
  return lastNumber_;
}

void WaveSoundPlayer::SetSoundVolume(SoundNumber id, std::int32_t volume) {
  const auto found = sounds_.find(id);
  if (found != sounds_.end()) found->second.volumeSteps = VolumeSteps(volume);
}

void WaveSoundPlayer::PlaySound(SoundNumber id, std::int32_t, std::int32_t) {
  const auto found = sounds_.find(id);
  if (found == sounds_.end() || !found->second.wave) return;
  Start(id, *found->second.wave, found->second.volumeSteps);
}

void WaveSoundPlayer::ReleaseSound(SoundNumber id) {
  Stop(id);
  sounds_.erase(id);
}

}  // namespace aerolark
