#include "settings/setting_keys.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace aerolark {
namespace {

// Records every write, in order.
class MemorySettings : public Settings {
 public:
  std::string ReadSetting(std::string_view section, std::string_view key,
                          std::string_view fallback) override {
    for (auto it = writes.rbegin(); it != writes.rend(); ++it) {
      if (it->section == section && it->key == key) return it->value;
    }
    return std::string(fallback);
  }
  WriteStatus WriteSetting(std::string_view section, std::string_view key,
                           std::string_view value) override {
    writes.push_back({std::string(section), std::string(key), std::string(value)});
    return {};
  }
  struct Write {
    std::string section, key, value;
    bool operator==(const Write&) const = default;
  };
  std::vector<Write> writes;
};

TEST(SettingKeys, DefaultsAreWrittenInOrderWithSetRegLast) {
  MemorySettings settings;
  WriteDefaults(settings, "/opt/aerolark/share/aerolark/");
  const std::vector<MemorySettings::Write> expected = {
      {"Startup", "Background", "3"},
      {"Startup", "BGFreq", "36"},
      {"Startup", "BMPFileName", "/opt/aerolark/share/aerolark/Sunset Red.BMP"},
      {"Startup", "Clock", "1"},
      {"Startup", "FontClock", "16"},
      {"Startup", "FontName", "Arial"},
      {"Startup", "FontSize", "30"},
      {"Startup", "LogoChecked", "0"},
      {"Startup", "LogoFileName", "/opt/aerolark/share/aerolark/Logo1.BMP"},
      {"Startup", "Message", "I'd Rather be Flying"},
      {"Startup", "MessageChecked", "0"},
      {"Startup", "MouseSens", "4"},
      {"Startup", "PlaneBG", "1"},
      {"Startup", "Prop", "1"},
      {"Startup", "SecDelay", "30"},
      {"Startup", "SelectedFont", "4"},
      {"Startup", "SelectedFontSize", "3"},
      {"Startup", "Speed", "3"},
      {"Startup", "TunePC", "6"},
      {"Startup", "Volume", "-784"},
      {"System", "PwrSave", "0"},
      {"System", "PwrMsg", "False"},
      {"System", "RunMonitor", "False"},
      {"System", "SoundOff", "Never"},
      {"System", "TuneScrSvr", "False"},
      {"System", "SetReg", "2"},
  };
  EXPECT_EQ(settings.writes, expected);
}

TEST(SettingKeys, TableIsConsistent) {
  std::set<std::string> names;
  for (const SettingDeclaration& d : SettingDeclarations()) {
    EXPECT_TRUE(names.insert(std::string(d.name)).second) << d.name;
    EXPECT_TRUE(d.section == kStartup || d.section == kSystem);
    EXPECT_EQ(&Declaration(d.key), &d);
  }
  // Readers pass "1", except for the two one-time markers (and PwrMsg, never read).
  EXPECT_EQ(Declaration(Key::RunMonitor).readDefault, "");
  EXPECT_EQ(Declaration(Key::TuneScrSvr).readDefault, "");
  EXPECT_EQ(Declaration(Key::BackGround).readDefault, "1");
  EXPECT_EQ(Declaration(Key::BackGround).name, "BackGround");
}

TEST(SettingKeys, ReadsUseTheReaderSpellingAndDefault) {
  MemorySettings settings;
  EXPECT_EQ(ReadSetting(settings, Key::MouseSens), "1");
  EXPECT_EQ(ReadSetting(settings, Key::TuneScrSvr), "");
  WriteSetting(settings, Key::BackGround, "2");
  EXPECT_EQ(settings.writes.back(), (MemorySettings::Write{"Startup", "BackGround", "2"}));
}

}  // namespace
}  // namespace aerolark
