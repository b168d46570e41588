#include "settings/setting_keys.h"

#include <string>

#include "settings/conversions.h"

namespace aerolark {
namespace {

using D = SettingDeclaration;

constexpr std::array<SettingDeclaration, kSettingCount> kDeclarations = {{
    // key, section, name, writer's spelling, writer's value, in install folder, reader default
    D{Key::BackGround, kStartup, "BackGround", "Background", "3", false, "1"},
    D{Key::BGFreq, kStartup, "BGFreq", "BGFreq", "36", false, "1"},
    D{Key::BMPFileName, kStartup, "BMPFileName", "BMPFileName", "Sunset Red.BMP", true, "1"},
    D{Key::Clock, kStartup, "Clock", "Clock", "1", false, "1"},
    D{Key::FontClock, kStartup, "FontClock", "FontClock", "16", false, "1"},
    D{Key::FontName, kStartup, "FontName", "FontName", "Arial", false, "1"},
    D{Key::FontSize, kStartup, "FontSize", "FontSize", "30", false, "1"},
    D{Key::LogoChecked, kStartup, "LogoChecked", "LogoChecked", "0", false, "1"},
    D{Key::LogoFileName, kStartup, "LogoFileName", "LogoFileName", "Logo1.BMP", true, "1"},
    D{Key::Message, kStartup, "Message", "Message", "I'd Rather be Flying", false, "1"},
    D{Key::MessageChecked, kStartup, "MessageChecked", "MessageChecked", "0", false, "1"},
    D{Key::MouseSens, kStartup, "MouseSens", "MouseSens", "4", false, "1"},
    D{Key::PlaneBG, kStartup, "PlaneBG", "PlaneBG", "1", false, "1"},
    D{Key::Prop, kStartup, "Prop", "Prop", "1", false, "1"},
    D{Key::SecDelay, kStartup, "SecDelay", "SecDelay", "30", false, "1"},
    D{Key::SelectedFont, kStartup, "SelectedFont", "SelectedFont", "4", false, "1"},
    D{Key::SelectedFontSize, kStartup, "SelectedFontSize", "SelectedFontSize", "3", false, "1"},
    D{Key::Speed, kStartup, "Speed", "Speed", "3", false, "1"},
    D{Key::TunePC, kStartup, "TunePC", "TunePC", "6", false, "1"},
    D{Key::Volume, kStartup, "Volume", "Volume", "-784", false, "1"},
    D{Key::PwrSave, kSystem, "PwrSave", "PwrSave", "0", false, "1"},
    // Written by the defaults writer only; nothing reads it.
    D{Key::PwrMsg, kSystem, "PwrMsg", "PwrMsg", "False", false, ""},
    D{Key::RunMonitor, kSystem, "RunMonitor", "RunMonitor", "False", false, ""},
    D{Key::SoundOff, kSystem, "SoundOff", "SoundOff", "Never", false, "1"},
    D{Key::TuneScrSvr, kSystem, "TuneScrSvr", "TuneScrSvr", "False", false, ""},
    D{Key::SetReg, kSystem, "SetReg", "SetReg", "2", false, "1"},
}};

constexpr bool DeclaredInKeyOrder() {
  for (std::size_t i = 0; i < kDeclarations.size(); ++i) {
    if (static_cast<std::size_t>(kDeclarations[i].key) != i) return false;
  }
  return true;
}
static_assert(DeclaredInKeyOrder(), "declarations must follow the order of Key");

}  // namespace

const std::array<SettingDeclaration, kSettingCount>& SettingDeclarations() {
  return kDeclarations;
}

const SettingDeclaration& Declaration(Key key) {
  return kDeclarations[static_cast<std::size_t>(key)];
}

std::string ReadSetting(Settings& settings, Key key) {
  const SettingDeclaration& d = Declaration(key);
  return settings.ReadSetting(d.section, d.name, d.readDefault);
}

WriteStatus WriteSetting(Settings& settings, Key key, std::string_view value) {
  const SettingDeclaration& d = Declaration(key);
  return settings.WriteSetting(d.section, d.name, value);
}

WriteStatus WriteDefaults(Settings& settings, std::string_view installFolder) {
  WriteStatus firstFailure;
  for (const SettingDeclaration& d : kDeclarations) {
    std::string value(d.writerValue);
    if (d.writerValueInInstallFolder) value = std::string(installFolder) + value;
    WriteStatus status = settings.WriteSetting(d.section, d.writerName, value);
    if (!status.ok && firstFailure.ok) firstFailure = status;
  }
  return firstFailure;
}

WriteStatus EnsureDefaults(Settings& settings, std::string_view installFolder) {
  constexpr std::int16_t kDefaultsInPlace = 2;
  if (StrictIntegerRead(ReadSetting(settings, Key::SetReg)) == kDefaultsInPlace) return WriteStatus{};
  return WriteDefaults(settings, installFolder);
}

}  // namespace aerolark
