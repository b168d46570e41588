#include "drivers/headless/silent_sound_player.h"

#include <filesystem>

#include <SDL.h>

#include "drivers/sound_volume.h"

namespace aerolark {
namespace {

bool ReadsAsWave(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  SDL_AudioSpec format;
  Uint8* samples = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV(path.c_str(), &format, &samples, &length)) return false;
  SDL_FreeWAV(samples);
  return true;
}

}  // namespace

SoundNumber SilentSoundPlayer::LoadSound(const std::string& path) {
  ++lastNumber_;
  sounds_[lastNumber_].playable = ReadsAsWave(path);
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
