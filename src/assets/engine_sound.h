#pragma once
// The propeller sound: loaded silent at start, started once per aircraft
// pass, and silenced for good once the user's stop-sound time has passed.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "assets/sound_control.h"
#include "render/aircraft_sound.h"
#include "settings/settings.h"

namespace aerolark {

// Seconds of running after which the sound stops, for the minute values the
// dialog offers; nothing for any other text (including one that is no number).
std::optional<std::int16_t> StopSoundSeconds(std::string_view soundOffText);

class EngineSound final : public AircraftSound {
 public:
  explicit EngineSound(SoundControl& sound) : sound_(sound) {}

  // Before loading: the stop-sound choice ("Never" or minutes) and the volume
  // in hundredths of a decibel.
  void Configure(std::string soundOffText, std::int16_t volume);
  // Loads the sound silent and reads whether the aircraft and its sound are on.
  void OpenSession(const std::string& installFolder, Settings& settings);

  // The sound timer's second: counts towards the stop-sound time and, once it
  // is reached, silences all sound on every second while it holds.
  void CountSecond();

  void CruiseStep() override;
  void NewPass() override;

  // The way out after user input: silence, then give the sound up.
  void SilenceAndRelease();
  // The saver window's unload: give the sound up, then silence.
  void ReleaseAndSilence();

  // The Prop setting as read at load: 1 on; anything else, a text that is no
  // number included, off.
  bool PropOn() const;
  bool stopped() const { return stopped_; }
  SoundNumber id() const { return soundId_; }
  std::int32_t secondsCounted() const { return secondsCounted_; }
  bool passStarted() const { return passState_ >= 1; }

 private:
  bool CountsTowardsStop() const { return soundOffText_ != "Never"; }

  SoundControl& sound_;
  SoundNumber soundId_ = 0;
  std::string propSound_;
  std::int16_t volume_ = 0;
  std::int16_t passState_ = 0;  // 0: not yet started in this pass, 2: started
  bool stopped_ = false;
  std::string soundOffText_;
  std::int16_t stopAfterSeconds_ = 0;
  std::int32_t secondsCounted_ = 0;
};

}  // namespace aerolark
