#pragma once
// The sound control: playback of one wave file. No audio device means
// silence, never an error.

#include <cstdint>
#include <string>

namespace aerolark {

using SoundNumber = std::int32_t;

class SoundControl {
 public:
  virtual ~SoundControl() = default;
  // A positive number; for a missing or unreadable file, one that plays nothing.
  virtual SoundNumber LoadSound(const std::string& path) = 0;
  // Volume in hundredths of a decibel: 0 full, -2500 the quietest offered.
  virtual void SetSoundVolume(SoundNumber id, std::int32_t volume) = 0;
  // Plays the sound once from its start, restarting it if it still plays.
  virtual void PlaySound(SoundNumber id, std::int32_t a, std::int32_t b) = 0;
  virtual void StopSound(SoundNumber id) = 0;
  virtual void StopAllSounds() = 0;
  // Of an unknown or zero number: nothing happens.
  virtual void ReleaseSound(SoundNumber id) = 0;
};

}  // namespace aerolark
