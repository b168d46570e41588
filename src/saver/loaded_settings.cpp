#include "saver/loaded_settings.h"

#include <optional>

#include "settings/conversions.h"
#include "settings/setting_keys.h"

namespace aerolark {
namespace {

double ReadNumber(Settings& settings, Key key) { return NumericRead(ReadSetting(settings, key)); }

std::int16_t ReadVolume(Settings& settings) {
  std::optional<std::int16_t> volume = StrictIntegerRead(ReadSetting(settings, Key::Volume));
  if (volume) return *volume;
  return StrictIntegerRead(Declaration(Key::Volume).writerValue).value_or(0);
}

}  // namespace

LoadedSettings ReadLoadedSettings(Settings& settings) {
  LoadedSettings s;
  s.backGround = ReadNumber(settings, Key::BackGround);
  s.speed = ReadNumber(settings, Key::Speed);
  s.messageChecked = ReadNumber(settings, Key::MessageChecked);
  s.logoChecked = ReadNumber(settings, Key::LogoChecked);
  s.fontName = ReadSetting(settings, Key::FontName);
  s.bgFreq = ReadSetting(settings, Key::BGFreq);
  s.secDelay = ReadNumber(settings, Key::SecDelay);
  s.fontSize = ReadSetting(settings, Key::FontSize);
  s.tunePC = RoundToInt16(ReadNumber(settings, Key::TunePC));
  s.mouseSens = ReadNumber(settings, Key::MouseSens);
  s.clock = ReadNumber(settings, Key::Clock);
  s.fontClock = RoundToInt16(ReadNumber(settings, Key::FontClock));
  s.soundOffText = ReadSetting(settings, Key::SoundOff);
  s.volume = ReadVolume(settings);
  return s;
}

}  // namespace aerolark
