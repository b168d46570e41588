// Every setting hand-edited to every hostile value in turn: the saver runs
// headless for a few hundred frames and some seconds, ends in order on a key
// and loses no other setting. (The dialog meets hand-edited values in its
// opening and view tests.)

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "hostile/headless_saver.h"
#include "settings/ini_document.h"
#include "settings/linux/ini_settings_store.h"
#include "settings/setting_keys.h"

namespace aerolark::hostile {
namespace {

const std::string kInstall = AEROLARK_SHARE_DIR;

// What a hand editor (or a damaged disk) may leave in the settings file.
struct HostileValue {
  std::string label;
  std::string value;
  // Written by hand straight into the file (a newline then breaks the line);
  // otherwise written through the store, which quotes what needs quoting.
  bool raw = false;
};

std::vector<HostileValue> HostileValues() {
  return {
      {"empty", ""},          {"letters", "abc"},        {"blanks_around", " 3 "},
      {"fraction", "3.5"},    {"minus_zero", "-0"},      {"huge_exponent", "1e400"},
      {"huge_negative_exponent", "-1e400"},              {"eleven_digits", "99999999999"},
      {"nan", "NaN"},         {"basic_hex", "&H10"},     {"long_text", std::string(100000, 'W')},
      {"invalid_utf8", "\xff\xfe\xc3\x28 \xe2\x82"}, {"newline_raw", "4\n5", true},
      {"newline_quoted", "4\n5"},
  };
}

// The values every key has in the file, read the way the saver reads them.
std::map<Key, std::optional<std::string>> StoredValues(const std::filesystem::path& file) {
  IniDocument document = IniDocument::Parse(ReadText(file));
  std::map<Key, std::optional<std::string>> values;
  for (const SettingDeclaration& d : SettingDeclarations()) {
    values[d.key] = document.Find(d.section, d.name);
  }
  return values;
}

// A filled store with every overlay on, so hostile values meet every reader.
void WriteBaseline(IniSettingsStore& store) {
  ASSERT_TRUE(WriteDefaults(store, kInstall).ok);
  ASSERT_TRUE(WriteSetting(store, Key::MessageChecked, "1").ok);
  ASSERT_TRUE(WriteSetting(store, Key::LogoChecked, "1").ok);
}

void HandEdit(IniSettingsStore& store, Key key, const HostileValue& hostile) {
  if (!hostile.raw) {
    ASSERT_TRUE(WriteSetting(store, key, hostile.value).ok);
    ASSERT_TRUE(ReadSetting(store, key) == hostile.value) << "the store did not keep the value";
    return;
  }
  // By hand: the value goes into the file as it is, line breaks and all.
  const SettingDeclaration& d = Declaration(key);
  std::string text = ReadText(store.path());
  const std::string line = "\n" + std::string(d.writerName) + "=";
  std::size_t at = text.find(line);
  ASSERT_NE(at, std::string::npos);
  std::size_t end = text.find('\n', at + 1);
  text.replace(at + line.size(), end - at - line.size(), hostile.value);
  WriteText(store.path(), text);
}

bool IsMarker(Key key) { return key == Key::TuneScrSvr || key == Key::RunMonitor; }

// Every value as it was before the run, or (`defaultsRewritten`) the default.
// Values are compared, not printed: one of them is 100 kB long.
void ExpectNothingLost(Key edited, const std::map<Key, std::optional<std::string>>& before,
                       const std::map<Key, std::optional<std::string>>& after,
                       bool defaultsRewritten) {
  for (const SettingDeclaration& d : SettingDeclarations()) {
    const auto& now = after.at(d.key);
    if (IsMarker(d.key) && now == "True") continue;  // the hint timer may set them
    std::optional<std::string> expected = before.at(d.key);
    if (defaultsRewritten) {
      expected = (d.writerValueInInstallFolder ? kInstall : "") + std::string(d.writerValue);
    }
    EXPECT_TRUE(now == expected) << d.name << (d.key == edited ? ": the edited value changed"
                                                                : ": another value lost");
  }
}

class HostileSetting : public ::testing::TestWithParam<Key> {};

TEST_P(HostileSetting, SaverEndsInOrderAndKeepsEveryOtherValue) {
  const Key key = GetParam();
  for (const HostileValue& hostile : HostileValues()) {
    SCOPED_TRACE(hostile.label);
    const TempFolder temp("aerolark-hostile");
    IniSettingsStore store(temp.path() / "aerolark.ini");
    WriteBaseline(store);
    HandEdit(store, key, hostile);
    const auto before = StoredValues(store.path());

    SaverOutcome outcome = RunHeadlessSaver(store, kInstall, 300, 2);
    ExpectEndedInOrder(outcome, 300);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_GT(outcome.spritesShown, 1) << "the scene showed nothing";
    // Defaults are written anew when their marker is damaged.
    ExpectNothingLost(key, before, StoredValues(store.path()), key == Key::SetReg);
    if (hostile.raw) {
      // The broken-off rest of a hand-edited line is kept, not dropped.
      EXPECT_NE(ReadText(store.path()).find("\n5\n"), std::string::npos);
    }
  }
}

std::vector<Key> AllKeys() {
  std::vector<Key> keys;
  for (const SettingDeclaration& d : SettingDeclarations()) keys.push_back(d.key);
  return keys;
}

INSTANTIATE_TEST_SUITE_P(EveryKey, HostileSetting, ::testing::ValuesIn(AllKeys()),
                         [](const ::testing::TestParamInfo<Key>& info) {
                           return std::string(Declaration(info.param).name);
                         });

}  // namespace
}  // namespace aerolark::hostile
