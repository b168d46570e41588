#pragma once
// Sound through winmm's wave-out device. Each sound plays on a device of its
// own, opened when it starts and closed as soon as it has ended or is
// stopped: an open device keeps the system's audio engine busy for nothing
// between the aircraft's passes, and opening one again takes well under a
// frame.

#include <memory>
#include <unordered_map>

#include "drivers/software/wave_sound_player.h"

namespace aerolark {

class WavePlayback;

class WaveOutSoundPlayer final : public WaveSoundPlayer {
 public:
  WaveOutSoundPlayer();
  ~WaveOutSoundPlayer() override;

  // How many devices are open, that is, sounds still playing.
  int OpenDevices() const;

 private:
  void Start(SoundNumber id, const WaveSound& sound, int volumeSteps) override;
  void Stop(SoundNumber id) override;
  void StopAll() override;

  // Of the sounds started: each closes its device when it ends or goes.
  std::unordered_map<SoundNumber, std::unique_ptr<WavePlayback>> playing_;
};

}  // namespace aerolark
