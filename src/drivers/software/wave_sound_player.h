#pragma once
// A sound player for the wave files every system plays (wave_file.h): the
// sounds by number, their volumes, and when each starts and stops. Where
// the samples go is the player's own: winmm's device on Windows, nowhere
// for silence.

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

#include "assets/sound_control.h"
#include "drivers/software/wave_file.h"

namespace aerolark {

class WaveSoundPlayer : public SoundControl {
 public:
  // A file that is not a wave file every player plays gets a number that
  // plays nothing.
  SoundNumber LoadSound(const std::string& path) final;
  void SetSoundVolume(SoundNumber id, std::int32_t volume) final;
  // A sound that still plays starts again.
  void PlaySound(SoundNumber id, std::int32_t, std::int32_t) final;
  void StopSound(SoundNumber id) final { Stop(id); }
  void StopAllSounds() final { StopAll(); }
  void ReleaseSound(SoundNumber id) final;

 protected:
  // Starts `sound` at steps / kVolumeSteps of its amplitude (wave_samples.h),
  // stopping it first if it still plays.
  virtual void Start(SoundNumber id, const WaveSound& sound, int volumeSteps) = 0;
  // Nothing for a sound that does not play.
  virtual void Stop(SoundNumber id) = 0;
  virtual void StopAll() = 0;

 private:
  struct Sound {
    std::optional<WaveSound> wave;  // none: plays nothing
    int volumeSteps = kVolumeSteps;
  };

  SoundNumber lastNumber_ = 0;
  std::unordered_map<SoundNumber, Sound> sounds_;
};

}  // namespace aerolark
