#include "assets/engine_sound.h"

#include <array>
#include <cstdint>
#include <utility>

#include "assets/builtin_files.h"
#include "settings/conversions.h"
#include "settings/setting_keys.h"
#include "settings/stop_sound_choices.h"

namespace aerolark {
namespace {

// The count wraps a little before a day's worth of seconds.
constexpr std::int32_t kSecondsWrap = 86398;

}  // namespace

std::optional<std::int16_t> StopSoundSeconds(std::string_view soundOffText) {
  std::optional<double> minutes = WholeNumber(soundOffText);
  if (!minutes) return std::nullopt;
  // Only the dialog's own choices are recognised; "Never" is no number.
  for (const StopSoundChoice& choice : kStopSoundChoices) {
    if (WholeNumber(choice.text) == minutes) return choice.seconds;
  }
  return std::nullopt;
}

void EngineSound::Configure(std::string soundOffText, std::int16_t volume) {
  soundOffText_ = std::move(soundOffText);
  volume_ = volume;
  passState_ = 0;
  stopped_ = false;
  // Without a match the stop time stays 0: the first second silences for good.
  if (CountsTowardsStop()) {
    if (std::optional<std::int16_t> seconds = StopSoundSeconds(soundOffText_)) {
      stopAfterSeconds_ = *seconds;
    }
  }
}

void EngineSound::OpenSession(const std::string& installFolder, Settings& settings) {
  // Releasing number 0 first is harmless and keeps the control's call order.
  sound_.ReleaseSound(soundId_);
  soundId_ = sound_.LoadSound(builtin::PathIn(installFolder, builtin::kPropellerSound));
  sound_.StopSound(soundId_);
  propSound_ = ReadSetting(settings, Key::Prop);
}

bool EngineSound::PropOn() const {
  return SwitchOn(propSound_);
}

void EngineSound::CountSecond() {
  if (!CountsTowardsStop()) return;
  if (secondsCounted_ < INT32_MAX) ++secondsCounted_;
  if (secondsCounted_ >= stopAfterSeconds_) {
    sound_.StopAllSounds();
    stopped_ = true;
  }
  if (secondsCounted_ > kSecondsWrap) secondsCounted_ = 0;
}

void EngineSound::CruiseStep() {
  if (passState_ >= 1) return;
  if (PropOn() && !stopped_) {
    sound_.SetSoundVolume(soundId_, volume_);
    sound_.PlaySound(soundId_, -1, -1);
  }
  passState_ = 2;
}

void EngineSound::NewPass() { passState_ = 0; }

void EngineSound::SilenceAndRelease() {
  sound_.StopAllSounds();
  sound_.ReleaseSound(soundId_);
}

void EngineSound::ReleaseAndSilence() {
  sound_.ReleaseSound(soundId_);
  sound_.StopAllSounds();
}

}  // namespace aerolark
