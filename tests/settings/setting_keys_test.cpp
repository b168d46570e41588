#include "settings/setting_keys.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/recording_settings.h"

namespace aerolark {
namespace {

using testing::RecordingSettings;

// The defaults a first start writes, in order: SaverLoad.FirstStartWritesEveryDefaultThenReadsThem.

// Each key is declared once, and found again by its own entry.
TEST(SettingKeys, EveryKeyHasOneDeclaration) {
  std::set<std::string> names;
  for (const SettingDeclaration& d : SettingDeclarations()) {
    EXPECT_TRUE(names.insert(std::string(d.name)).second) << d.name;
    EXPECT_TRUE(d.section == kStartup || d.section == kSystem);
    EXPECT_EQ(&Declaration(d.key), &d);
  }
}

TEST(SettingKeys, ReadsUseTheReaderSpellingAndDefault) {
  RecordingSettings settings;
  EXPECT_EQ(ReadSetting(settings, Key::MouseSens), "1");
  EXPECT_EQ(ReadSetting(settings, Key::TuneScrSvr), "");  // the one-time markers read empty
  WriteSetting(settings, Key::BackGround, "2");
  EXPECT_EQ(settings.writes.back(), (testing::RecordedWrite{"Startup", "BackGround", "2"}));
}

}  // namespace
}  // namespace aerolark
