#include "drivers/headless/silent_sound_player.h"

#include "assets/sound_volume.h"
#include "drivers/software/wave_file.h"

namespace aerolark {

SoundNumber SilentSoundPlayer::LoadSound(const std::string& path) {
  ++lastNumber_;
  sounds_[lastNumber_].playable = PlaysAsWave(path);
  return lastNumber_;
}

void SilentSoundPlayer::SetSoundVolume(SoundNumber id, std::int32_t volume) {
  const auto found = sounds_.find(id);
  if (found != sounds_.end()) found->second.gain = VolumeGain(volume);
}

void SilentSoundPlayer::PlaySound(SoundNumber id, std::int32_t, std::int32_t) {
  const auto found = sounds_.find(id);
  if (found == sounds_.end() || !found->second.playable) return;
  plays_.push_back({id, found->second.gain});
  playing_.insert(id);
}

void SilentSoundPlayer::StopSound(SoundNumber id) { playing_.erase(id); }

void SilentSoundPlayer::StopAllSounds() { playing_.clear(); }

void SilentSoundPlayer::ReleaseSound(SoundNumber id) {
  playing_.erase(id);
  sounds_.erase(id);
}

}  // namespace aerolark
