#pragma once
// Sound through winmm's wave-out device. Each sound plays on a device of its
// own, opened when it starts and closed as soon as it has ended or is
// stopped: an open device keeps the system's audio engine busy for nothing
// between the aircraft's passes, and opening one again takes well under a
// frame.

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "assets/sound_control.h"
#include "drivers/software/wave_samples.h"

namespace aerolark {

class WavePlayback;

class WaveOutSoundPlayer final : public SoundControl {
 public:
  WaveOutSoundPlayer();
  ~WaveOutSoundPlayer() override;

  // A file that is not a wave file every player plays (PlaysAsWave) gets a
  // number that plays nothing.
  SoundNumber LoadSound(const std::string& path) override;
  void SetSoundVolume(SoundNumber id, std::int32_t volume) override;
  void PlaySound(SoundNumber id, std::int32_t, std::int32_t) override;
  void StopSound(SoundNumber id) override;
  void StopAllSounds() override;
  void ReleaseSound(SoundNumber id) override;

  // How many devices are open, that is, sounds still playing.
  int OpenDevices() const;

 private:
  struct Sound {
    std::optional<PcmFormat> format;  // none: plays nothing
    std::vector<std::uint8_t> samples;
    int volumeSteps = kVolumeSteps;
  };
  Sound* Find(SoundNumber id);

  SoundNumber lastNumber_ = 0;
  std::unordered_map<SoundNumber, Sound> sounds_;
  // Of the sounds started: each closes its device when it ends or goes.
  std::unordered_map<SoundNumber, std::unique_ptr<WavePlayback>> playing_;
};

}  // namespace aerolark
