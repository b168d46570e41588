#pragma once
// A sound player without a device: nothing is heard, and what would have
// played is recorded. It stands in where there is no audio device, and in
// tests.

#include <cstdint>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "assets/sound_control.h"

namespace aerolark {

struct RecordedPlay {
  SoundNumber id;
  double gain;  // amplitude factor, 1 at full volume
};

class SilentSoundPlayer : public SoundControl {
 public:
  // A file that is not a wave file every player plays (PlaysAsWave) gets a
  // number that plays nothing.
  SoundNumber LoadSound(const std::string& path) override;
  void SetSoundVolume(SoundNumber id, std::int32_t volume) override;
  void PlaySound(SoundNumber id, std::int32_t, std::int32_t) override;
  void StopSound(SoundNumber id) override;
  void StopAllSounds() override;
  void ReleaseSound(SoundNumber id) override;

  const std::vector<RecordedPlay>& Plays() const { return plays_; }
  // Started and not stopped since (a silent sound has no length to end by).
  bool Playing(SoundNumber id) const { return playing_.count(id) != 0; }

 private:
  struct Sound {
    bool playable = false;
    double gain = 1.0;
  };
  SoundNumber lastNumber_ = 0;
  std::unordered_map<SoundNumber, Sound> sounds_;
  std::set<SoundNumber> playing_;
  std::vector<RecordedPlay> plays_;
};

}  // namespace aerolark
