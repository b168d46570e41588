#pragma once
// A sound player without a device: nothing is heard, and which sounds would
// be playing is kept. It stands in where there is no audio device, and in
// tests; it takes the same files as every other player.

#include <set>

#include "drivers/software/wave_sound_player.h"

namespace aerolark {

class SilentSoundPlayer final : public WaveSoundPlayer {
 public:
  // Started and not stopped since (a silent sound has no length to end by).
  bool Playing(SoundNumber id) const { return playing_.count(id) != 0; }

 private:
  void Start(SoundNumber id, const WaveSound&, int) override { playing_.insert(id); }
  void Stop(SoundNumber id) override { playing_.erase(id); }
  void StopAll() override { playing_.clear(); }

  std::set<SoundNumber> playing_;
};

}  // namespace aerolark
