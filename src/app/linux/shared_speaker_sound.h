#pragma once
// Sound that plays only while this saver holds the display's speaker, so
// savers running one per monitor make one propeller sound between them.

#include "assets/sound_control.h"
#include "platform/linux/speaker_lock.h"

namespace aerolark {

class SharedSpeakerSound final : public SoundControl {
 public:
  SharedSpeakerSound(SoundControl& sound, SpeakerLock& speaker) : sound_(sound), speaker_(speaker) {}

  SoundNumber LoadSound(const std::string& path) override { return sound_.LoadSound(path); }
  void SetSoundVolume(SoundNumber id, std::int32_t volume) override {
    sound_.SetSoundVolume(id, volume);
  }
  // Each pass asks again, so when the saver that played ends another takes over.
  void PlaySound(SoundNumber id, std::int32_t a, std::int32_t b) override {
    if (speaker_.TryHold()) sound_.PlaySound(id, a, b);
  }
  void StopSound(SoundNumber id) override { sound_.StopSound(id); }
  void StopAllSounds() override { sound_.StopAllSounds(); }
  void ReleaseSound(SoundNumber id) override { sound_.ReleaseSound(id); }

 private:
  SoundControl& sound_;
  SpeakerLock& speaker_;
};

}  // namespace aerolark
