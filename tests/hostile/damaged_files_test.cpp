// Each built-in picture and the sound, damaged in turn in a copy of the
// install folder: the saver still starts, shows what it can and ends on a
// key, and no damaged header makes it allocate beyond reason.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "assets/builtin_files.h"
#include "hostile/headless_saver.h"
#include "settings/linux/ini_settings_store.h"
#include "settings/setting_keys.h"

namespace aerolark::hostile {
namespace {

using Bytes = std::string;  // as ReadText and WriteText hold a file

Bytes Of(std::initializer_list<std::uint8_t> bytes) { return Bytes(bytes.begin(), bytes.end()); }

// A GIF whose screen and first image claim 60000 x 60000 pixels: decoded, it
// would need gigabytes. (Every kind's header is read before decoding; the
// limits on what it claims are the same for all.)
Bytes HugeGif() {
  return Of({'G', 'I', 'F', '8', '9', 'a', 0x60, 0xEA, 0x60, 0xEA, 0, 0, 0,
             0x2C, 0, 0, 0, 0, 0x60, 0xEA, 0x60, 0xEA, 0, 8, 2, 0x4C, 1, 0, 0x3B});
}
// A stereo 16-bit wave file whose chunks claim four gigabytes of samples.
Bytes HugeWave() {
  Bytes b = Of({'R', 'I', 'F', 'F', 0xF0, 0xFF, 0xFF, 0xFF, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
                16, 0, 0, 0, 1, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x10, 0xB1, 2, 0, 4, 0, 16, 0,
                'd', 'a', 't', 'a', 0xC0, 0xFF, 0xFF, 0xFF});
  b.resize(b.size() + 4096, 0x10);
  return b;
}

// What replaces a file: other bytes, or (nothing) a folder of its name.
using Damage = std::function<std::optional<Bytes>(Bytes original)>;
struct DamageKind {
  std::string label;
  Damage damage;
};

Damage Replaced(Bytes bytes) {
  return [bytes](Bytes) { return bytes; };
}

std::vector<DamageKind> Damages(bool sound) {
  std::vector<DamageKind> kinds = {
      {"empty", Replaced("")},
      {"truncated", [](Bytes b) { return b.substr(0, b.size() / 2); }},
      {"random",
       [](Bytes b) {
         std::mt19937 random(20240607);
         for (char& byte : b) byte = static_cast<char>(random());
         return b;
       }},
      {"folder", [](Bytes) { return std::nullopt; }},
  };
  kinds.push_back(sound ? DamageKind{"huge_wave", Replaced(HugeWave())}
                        : DamageKind{"huge_gif", Replaced(HugeGif())});
  return kinds;
}

void Replace(const std::filesystem::path& path, const std::optional<Bytes>& bytes) {
  std::filesystem::remove_all(path);
  if (bytes) {
    WriteText(path, *bytes);
  } else {
    std::filesystem::create_directory(path);
  }
}

long PeakResidentMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

// One file for each way the saver loads them: a biplane of the relay, the
// aircraft, a hint card, the background picture, the sound.
const std::string_view kSaverFiles[] = {builtin::kBiplanes[0], builtin::kFastJet,
                                        builtin::kTuneHint, builtin::kSunset,
                                        builtin::kPropellerSound};

class DamagedFile : public ::testing::TestWithParam<std::string_view> {};

TEST_P(DamagedFile, SaverStartsShowsWhatItCanAndEndsOnAKey) {
  const std::string name(GetParam());
  const TempFolder temp("aerolark-damaged");
  const auto install = temp.path() / "share";
  std::filesystem::copy(AEROLARK_SHARE_DIR, install, std::filesystem::copy_options::recursive);
  const std::string installFolder = install.string() + "/";
  const std::string pristine = ReadText(install / name);

  for (const DamageKind& kind : Damages(name == builtin::kPropellerSound)) {
    SCOPED_TRACE(name + " " + kind.label);
    Replace(install / name, kind.damage(pristine));
    {
      IniSettingsStore store(temp.path() / ("settings-" + kind.label + ".ini"));
      ASSERT_TRUE(WriteDefaults(store, installFolder).ok);
      // Everything that can be shown is: both hints, the logo, the message.
      ASSERT_TRUE(WriteSetting(store, Key::LogoChecked, "1").ok);
      ASSERT_TRUE(WriteSetting(store, Key::MessageChecked, "1").ok);

      SaverOutcome outcome = RunHeadlessSaver(store, installFolder, 400, 2);
      ExpectEndedInOrder(outcome, 400);
      EXPECT_GT(outcome.spritesShown, 4) << "the rest of the scene should still show";
    }
    Replace(install / name, pristine);
  }
  EXPECT_LT(PeakResidentMegabytes(), 1500);
}

// Each case is named by its number; the test list shows its file.
INSTANTIATE_TEST_SUITE_P(EveryBuiltInFile, DamagedFile, ::testing::ValuesIn(kSaverFiles));

}  // namespace
}  // namespace aerolark::hostile
