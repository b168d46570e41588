#include "settings/setting_keys.h"

#include "support/expected_defaults.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace aerolark {
namespace {

using testing::FirstRunDefaults;

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
  using Write = testing::ExpectedSetting;
  std::vector<Write> writes;
};

TEST(SettingKeys, DefaultsAreWrittenInOrderWithSetRegLast) {
  MemorySettings settings;
  WriteDefaults(settings, "/opt/aerolark/share/aerolark/");
  EXPECT_EQ(settings.writes, FirstRunDefaults("/opt/aerolark/share/aerolark/"));
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
