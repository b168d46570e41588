// Each built-in picture and the sound, damaged in turn in a copy of the
// install folder: the saver still starts, shows what it can and ends on a
// key, and no damaged header makes it allocate beyond reason.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "assets/builtin_files.h"
#include "hostile/headless_saver.h"
#include "settings/ini_settings_store.h"
#include "settings/setting_keys.h"

namespace aerolark::hostile {
namespace {

enum class Damage { kEmpty, kTruncated, kRandomBytes, kFolder, kHugeBmp, kHugePng, kHugeGif,
                    kHugeJpeg, kLyingPngChunk, kHugeWave };

struct DamageKind {
  Damage damage;
  std::string label;
};

using Bytes = std::vector<std::uint8_t>;

void PutLittle(Bytes& b, std::uint32_t value, int count) {
  for (int i = 0; i < count; ++i) b.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}
void PutBig(Bytes& b, std::uint32_t value, int count) {
  for (int i = count - 1; i >= 0; --i) b.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

constexpr std::uint32_t kHuge = 60000;

// A 24-bit BMP whose header claims 60000 x 60000 pixels, followed by a few rows' worth.
Bytes HugeBmp() {
  Bytes b{'B', 'M'};
  PutLittle(b, 54 + 4096, 4);
  PutLittle(b, 0, 4);
  PutLittle(b, 54, 4);
  PutLittle(b, 40, 4);
  PutLittle(b, kHuge, 4);
  PutLittle(b, kHuge, 4);
  PutLittle(b, 1, 2);
  PutLittle(b, 24, 2);
  PutLittle(b, 0, 4);
  PutLittle(b, 0, 4);
  for (int i = 0; i < 4; ++i) PutLittle(b, 2835, 4);
  b.resize(b.size() + 4096, 0x7F);
  return b;
}

Bytes HugePng() {
  Bytes b{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutBig(b, 13, 4);
  for (char c : std::string("IHDR")) b.push_back(static_cast<std::uint8_t>(c));
  PutBig(b, kHuge, 4);
  PutBig(b, kHuge, 4);
  b.insert(b.end(), {8, 2, 0, 0, 0});
  PutBig(b, 0, 4);  // a wrong CRC, as a damaged file would have
  b.resize(b.size() + 256, 0);
  return b;
}

std::uint32_t Crc32(const Bytes& bytes, std::size_t from) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = from; i < bytes.size(); ++i) {
    crc ^= bytes[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return crc ^ 0xFFFFFFFFu;
}

// A small PNG whose second chunk claims two gigabytes: the decoder's reader
// does not stop at the end of the data and kept checksumming for minutes.
Bytes LyingPngChunk() {
  Bytes b{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutBig(b, 13, 4);
  for (char c : std::string("IHDR")) b.push_back(static_cast<std::uint8_t>(c));
  PutBig(b, 8, 4);
  PutBig(b, 6, 4);
  b.insert(b.end(), {8, 2, 0, 0, 0});
  PutBig(b, Crc32(b, 12), 4);  // a sound header, so the decoder reads on
  PutBig(b, 0x7FFFFFF0u, 4);
  for (char c : std::string("tEXt")) b.push_back(static_cast<std::uint8_t>(c));
  b.resize(b.size() + 64, 'x');
  return b;
}

Bytes HugeGif() {
  Bytes b{'G', 'I', 'F', '8', '9', 'a'};
  PutLittle(b, kHuge, 2);
  PutLittle(b, kHuge, 2);
  b.insert(b.end(), {0x00, 0, 0});
  b.push_back(0x2C);
  PutLittle(b, 0, 2);
  PutLittle(b, 0, 2);
  PutLittle(b, kHuge, 2);
  PutLittle(b, kHuge, 2);
  b.insert(b.end(), {0x00, 0x08, 0x02, 0x4C, 0x01, 0x00, 0x3B});
  return b;
}

Bytes HugeJpeg() {
  Bytes b{0xFF, 0xD8, 0xFF, 0xC0};
  PutBig(b, 17, 2);
  b.push_back(8);
  PutBig(b, kHuge, 2);
  PutBig(b, kHuge, 2);
  b.insert(b.end(), {3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1});
  b.insert(b.end(), {0xFF, 0xD9});
  return b;
}

// A wave file whose chunks claim four gigabytes of samples.
Bytes HugeWave() {
  Bytes b{'R', 'I', 'F', 'F'};
  PutLittle(b, 0xFFFFFFF0u, 4);
  for (char c : std::string("WAVEfmt ")) b.push_back(static_cast<std::uint8_t>(c));
  PutLittle(b, 16, 4);
  PutLittle(b, 1, 2);
  PutLittle(b, 2, 2);
  PutLittle(b, 44100, 4);
  PutLittle(b, 44100 * 4, 4);
  PutLittle(b, 4, 2);
  PutLittle(b, 16, 2);
  for (char c : std::string("data")) b.push_back(static_cast<std::uint8_t>(c));
  PutLittle(b, 0xFFFFFFC0u, 4);
  b.resize(b.size() + 4096, 0x10);
  return b;
}

Bytes ReadBytes(const std::filesystem::path& path) {
  const std::string text = testing::ReadText(path);
  return Bytes(text.begin(), text.end());
}

void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
  testing::WriteText(path, std::string(bytes.begin(), bytes.end()));
}

std::vector<DamageKind> PictureDamages() {
  return {{Damage::kEmpty, "empty"},           {Damage::kTruncated, "truncated"},
          {Damage::kRandomBytes, "random"},    {Damage::kFolder, "folder"},
          {Damage::kHugeBmp, "huge_bmp"},      {Damage::kHugePng, "huge_png"},
          {Damage::kHugeGif, "huge_gif"},      {Damage::kHugeJpeg, "huge_jpeg"},
          {Damage::kLyingPngChunk, "lying_png_chunk"}};
}

std::vector<DamageKind> SoundDamages() {
  return {{Damage::kEmpty, "empty"},        {Damage::kTruncated, "truncated"},
          {Damage::kRandomBytes, "random"}, {Damage::kFolder, "folder"},
          {Damage::kHugeWave, "huge_wave"}};
}

// Replaces the file at `path` as `damage` says.
void ApplyDamage(const std::filesystem::path& path, Damage damage) {
  Bytes original = ReadBytes(path);
  std::filesystem::remove_all(path);
  switch (damage) {
    case Damage::kEmpty: WriteBytes(path, {}); break;
    case Damage::kTruncated:
      original.resize(original.size() / 2);
      WriteBytes(path, original);
      break;
    case Damage::kRandomBytes: {
      std::mt19937 random(20240607);
      for (auto& byte : original) byte = static_cast<std::uint8_t>(random());
      WriteBytes(path, original);
      break;
    }
    case Damage::kFolder: std::filesystem::create_directory(path); break;
    case Damage::kHugeBmp: WriteBytes(path, HugeBmp()); break;
    case Damage::kHugePng: WriteBytes(path, HugePng()); break;
    case Damage::kHugeGif: WriteBytes(path, HugeGif()); break;
    case Damage::kHugeJpeg: WriteBytes(path, HugeJpeg()); break;
    case Damage::kLyingPngChunk: WriteBytes(path, LyingPngChunk()); break;
    case Damage::kHugeWave: WriteBytes(path, HugeWave()); break;
  }
}

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
