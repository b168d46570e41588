// Each built-in picture and the sound, damaged in turn in a copy of the
// install folder: the saver still starts, shows what it can and ends on a
// key, and no damaged header makes it allocate beyond reason.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>

#include "assets/builtin_files.h"
#include "hostile/damaged_files.h"
#include "hostile/headless_saver.h"
#include "settings/ini_settings_store.h"
#include "settings/setting_keys.h"

namespace aerolark::hostile {
namespace {

long PeakResidentMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

struct BuiltInFile {
  std::string name;
  bool sound = false;
};

// One file for each way the saver loads them: a biplane of the relay, the
// aircraft, a hint card, the background picture, the sound.
std::vector<BuiltInFile> SaverFiles() {
  using namespace builtin;
  return {{std::string(kBiplanes[0])}, {std::string(kFastJet)}, {std::string(kTuneHint)},
          {std::string(kSunset)}, {std::string(kPropellerSound), true}};
}

class DamagedFile : public ::testing::TestWithParam<BuiltInFile> {};

TEST_P(DamagedFile, SaverStartsShowsWhatItCanAndEndsOnAKey) {
  const BuiltInFile file = GetParam();
  const TempFolder temp("aerolark-damaged");
  const auto& folder = temp.path();
  const auto install = folder / "share";
  CopyInstallFolder(install);
  const std::string installFolder = install.string() + "/";
  const auto pristine = folder / "pristine";
  std::filesystem::copy_file(install / file.name, pristine);

  for (const DamageKind& kind : file.sound ? SoundDamages() : PictureDamages()) {
    SCOPED_TRACE(file.name + " " + kind.label);
    ApplyDamage(install / file.name, kind.damage);
    {
      IniSettingsStore store(folder / ("settings-" + kind.label + ".ini"));
      ASSERT_TRUE(WriteDefaults(store, installFolder).ok);
      // Everything that can be shown is: both hints, the logo, the message.
      ASSERT_TRUE(WriteSetting(store, Key::LogoChecked, "1").ok);
      ASSERT_TRUE(WriteSetting(store, Key::MessageChecked, "1").ok);

      SaverOutcome outcome = RunHeadlessSaver(store, installFolder, 400, 2);
      ExpectEndedInOrder(outcome, 400);
      EXPECT_GT(outcome.spritesShown, 4) << "the rest of the scene should still show";
    }
    std::filesystem::remove_all(install / file.name);
    std::filesystem::copy_file(pristine, install / file.name);
  }
  // A picture claiming 60000 x 60000 pixels would need gigabytes if decoded.
  EXPECT_LT(PeakResidentMegabytes(), 1500);
}

INSTANTIATE_TEST_SUITE_P(EveryBuiltInFile, DamagedFile, ::testing::ValuesIn(SaverFiles()),
                         [](const ::testing::TestParamInfo<BuiltInFile>& info) {
                           std::string name;
                           for (char c : info.param.name) {
                             name.push_back(std::isalnum(static_cast<unsigned char>(c)) ? c : '_');
                           }
                           return name;
                         });

}  // namespace
}  // namespace aerolark::hostile
