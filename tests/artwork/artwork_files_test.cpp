// The built-in pictures and the propeller sound, as the build leaves them in
// the install folder: present, within the sizes the scene relies on, with a
// clean transparent key on every flying sprite, and a click-free sound.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "artwork/install_file_readers.h"
#include "assets/builtin_files.h"
#include "settings/setting_keys.h"

namespace aerolark::test {
namespace {

const std::string kShare = AEROLARK_SHARE_DIR;

std::vector<std::string> FlyingSprites() {
  return {builtin::kFlyingPictures.begin(), builtin::kFlyingPictures.end()};
}

const std::vector<std::string> kWholePictures = {builtin::kWholePictures.begin(),
                                                 builtin::kWholePictures.end()};

Bitmap Load(std::string_view file) {
  auto bmp = ReadBitmap(kShare + std::string(file));
  if (!bmp) ADD_FAILURE() << file << " is not a readable uncompressed BMP";
  return bmp.value_or(Bitmap{});
}

bool IsKey(const Bitmap& bmp, Pixel p) { return p == bmp.at(0, 0); }

// Share of the picture's area that the plane itself covers.
double Coverage(const Bitmap& bmp) {
  const auto solid = std::count_if(bmp.pixels.begin(), bmp.pixels.end(), [&](Pixel p) { return !IsKey(bmp, p); });
  return double(solid) / bmp.pixels.size();
}

// The folder is installed as it stands, so it must hold the list and no more.
TEST(ArtworkFiles, TheInstallFolderHoldsEveryBuiltInFileAndNothingElse) {
  std::set<std::string> wanted(builtin::kAllFiles.begin(), builtin::kAllFiles.end());
  std::set<std::string> found;
  for (const auto& entry : std::filesystem::directory_iterator(kShare)) {
    found.insert(entry.path().filename().string());
    EXPECT_TRUE(entry.is_regular_file()) << entry.path();
    if (entry.is_regular_file()) EXPECT_GT(entry.file_size(), 100u) << entry.path();
  }
  EXPECT_EQ(found, wanted);
}

// The defaults writer names built-in pictures; they must be ones the build makes.
TEST(ArtworkFiles, DefaultsNameBuiltInFiles) {
  int named = 0;
  for (const SettingDeclaration& setting : SettingDeclarations()) {
    if (!setting.writerValueInInstallFolder) continue;
    ++named;
    EXPECT_NE(std::find(builtin::kAllFiles.begin(), builtin::kAllFiles.end(), setting.writerValue),
              builtin::kAllFiles.end())
        << setting.name;
  }
  EXPECT_EQ(named, 2);  // the background and the logo
}

TEST(ArtworkFiles, PicturesFitTheScene) {
  struct Limit {
    std::string_view file;
    int maxWidth, maxHeight;
  };
  using namespace builtin;
  std::vector<Limit> limits = {{kBackgroundBiplane, 350, 100}, {kFastJet, 300, 120},
                               {kTuneHint, 500, 340},          {kMonitorHint, 500, 340},
                               {kLogo, 320, 120}};
  // At 280 wide a biplane standing at X -281 or 805 is wholly off screen.
  for (const std::string_view biplane : kBiplanes) limits.push_back({biplane, 280, 104});
  for (const Limit& l : limits) {
    const Bitmap bmp = Load(l.file);
    EXPECT_GT(bmp.width, 0) << l.file;
    EXPECT_LE(bmp.width, l.maxWidth) << l.file;
    EXPECT_LE(bmp.height, l.maxHeight) << l.file;
  }
  const Bitmap sunset = Load(builtin::kSunset);
  EXPECT_EQ(sunset.width, 800);
  EXPECT_EQ(sunset.height, 600);
  const Bitmap preview = Load(builtin::kPreview);
  EXPECT_EQ(preview.width, 153);
  EXPECT_EQ(preview.height, 115);
  // The background plane is far away: smaller than the near biplanes.
  EXPECT_LT(Load(builtin::kBackgroundBiplane).width, Load(builtin::kBiplanes[0]).width);
}

TEST(ArtworkFiles, FlyingSpritesHaveACleanTransparentKey) {
  for (const std::string& file : FlyingSprites()) {
    SCOPED_TRACE(file);
    const Bitmap bmp = Load(file);
    if (bmp.pixels.empty()) continue;
    const Pixel key = bmp.at(0, 0);
    EXPECT_EQ(To565(key), To565(Pixel{255, 0, 255})) << "the corner should be the magenta key";
    const double coverage = Coverage(bmp);
    EXPECT_GT(coverage, 0.15) << "the plane is (nearly) empty";
    EXPECT_LT(coverage, 0.9) << "the plane fills its box: no transparent surround";
    int lookalikes = 0, fringe = 0;
    for (int y = 0; y < bmp.height; ++y) {
      for (int x = 0; x < bmp.width; ++x) {
        const Pixel p = bmp.at(x, y);
        if (IsKey(bmp, p)) continue;
        // A plane pixel that a 16-bit screen turns into the key becomes a hole.
        if (To565(p) == To565(key)) ++lookalikes;
        // Edges blended towards the key show as a pink halo over the sky.
        const bool touchesKey = (x > 0 && IsKey(bmp, bmp.at(x - 1, y))) ||
                                (x + 1 < bmp.width && IsKey(bmp, bmp.at(x + 1, y))) ||
                                (y > 0 && IsKey(bmp, bmp.at(x, y - 1))) ||
                                (y + 1 < bmp.height && IsKey(bmp, bmp.at(x, y + 1)));
        if (touchesKey && p.r > 170 && p.b > 170 && p.g < 100) ++fringe;
      }
    }
    EXPECT_EQ(lookalikes, 0);
    EXPECT_EQ(fringe, 0);
  }
}

// A coarse colour histogram of the plane's own pixels, normalised to 1.
std::map<int, double> Palette(const Bitmap& bmp) {
  std::map<int, double> histogram;
  double total = 0;
  for (Pixel p : bmp.pixels) {
    if (IsKey(bmp, p)) continue;
    histogram[(p.r / 64) * 16 + (p.g / 64) * 4 + p.b / 64] += 1;
    total += 1;
  }
  for (auto& [bin, share] : histogram) share /= total;
  return histogram;
}

double Difference(const std::map<int, double>& a, const std::map<int, double>& b) {
  double d = 0;
  for (int bin = 0; bin < 64; ++bin) {
    const auto ia = a.find(bin), ib = b.find(bin);
    d += std::abs((ia == a.end() ? 0 : ia->second) - (ib == b.end() ? 0 : ib->second));
  }
  return d;
}

TEST(ArtworkFiles, FifteenBiplanesInFifteenLiveries) {
  std::vector<std::map<int, double>> palettes;
  for (const std::string_view biplane : builtin::kBiplanes) palettes.push_back(Palette(Load(biplane)));
  for (int a = 0; a < 15; ++a)
    for (int b = a + 1; b < 15; ++b)
      EXPECT_GT(Difference(palettes[a], palettes[b]), 0.3)
          << builtin::kBiplanes[a] << " and " << builtin::kBiplanes[b] << " look alike";
}

TEST(ArtworkFiles, WholePicturesNeverShowTheKey) {
  for (const std::string& file : kWholePictures) {
    SCOPED_TRACE(file);
    const Bitmap bmp = Load(file);
    const auto keyed = std::count_if(bmp.pixels.begin(), bmp.pixels.end(),
                                     [](Pixel p) { return To565(p) == To565(Pixel{255, 0, 255}); });
    EXPECT_EQ(keyed, 0);
    std::map<std::uint16_t, int> colours;
    for (Pixel p : bmp.pixels) ++colours[To565(p)];
    EXPECT_GT(colours.size(), 50u) << "a real picture, not a flat fill";
  }
}

// Reduced to 16 bits without dithering, the upper sky (a gentle vertical
// gradient) would be flat along every row and step visibly between bands;
// dithered, neighbours along a row keep changing between adjacent levels.
TEST(ArtworkFiles, SunsetSkyIsDitheredTo16BitLevels) {
  const Bitmap sunset = Load(builtin::kSunset);
  if (sunset.pixels.empty()) return;
  int pairs = 0, changes = 0;
  for (int y = 0; y < 50; y += 3) {
    for (int x = 1; x < sunset.width; ++x) {
      ++pairs;
      if (To565(sunset.at(x, y)) != To565(sunset.at(x - 1, y))) ++changes;
    }
  }
  EXPECT_GT(double(changes) / pairs, 0.2);
}

TEST(ArtworkFiles, PropellerSoundIsAShortCleanPass) {
  const auto wave = ReadWave(builtin::PathIn(kShare, builtin::kPropellerSound));
  ASSERT_TRUE(wave.has_value()) << "the propeller sound does not parse as RIFF WAVE";
  EXPECT_EQ(wave->format, 1);
  EXPECT_EQ(wave->bitsPerSample, 16);
  ASSERT_GT(wave->sampleRate, 0);
  const std::vector<std::int16_t>& s = wave->samples;
  const double seconds = double(s.size()) / wave->sampleRate;
  EXPECT_GE(seconds, 2.0);
  EXPECT_LE(seconds, 4.0);

  int peak = 0;
  for (std::int16_t v : s) peak = std::max(peak, std::abs(int{v}));
  EXPECT_LE(peak, 29205) << "louder than -1 dBFS";
  EXPECT_GE(peak, 16384) << "quieter than -6 dBFS";

  // Fades in and out: the first and last 10 ms stay below -40 dBFS.
  const std::size_t edge = wave->sampleRate / 100;
  for (std::size_t i = 0; i < edge && i < s.size(); ++i) {
    EXPECT_LT(std::abs(int{s[i]}), 328) << "sample " << i;
    EXPECT_LT(std::abs(int{s[s.size() - 1 - i]}), 328) << "sample from the end " << i;
  }
  // Loudest in the middle, as the aircraft passes.
  auto rms = [&](double from, double to) {
    double sum = 0;
    const std::size_t a = std::size_t(from * s.size()), b = std::size_t(to * s.size());
    for (std::size_t i = a; i < b; ++i) sum += double(s[i]) * s[i];
    return std::sqrt(sum / (b - a));
  };
  EXPECT_GT(rms(0.3, 0.6), 2 * rms(0.0, 0.1));
  EXPECT_GT(rms(0.3, 0.6), 2 * rms(0.9, 1.0));

  // No clicks: no sample-to-sample jump of more than a quarter of full scale.
  int largestJump = 0;
  for (std::size_t i = 1; i < s.size(); ++i) largestJump = std::max(largestJump, std::abs(s[i] - s[i - 1]));
  EXPECT_LT(largestJump, 8192);
}

// The strongest period between 1/130 s and 1/50 s, where the propeller's
// blade-pass tone lies, as a frequency.
double EnginePitch(const Wave& wave, double from, double to) {
  const auto first = wave.samples.begin() + std::ptrdiff_t(from * wave.samples.size());
  const std::vector<double> seg(first, wave.samples.begin() + std::ptrdiff_t(to * wave.samples.size()));
  double bestScore = -1e300;
  int bestLag = 1;
  for (int lag = wave.sampleRate / 130; lag <= wave.sampleRate / 50; ++lag) {
    double score = 0;
    for (std::size_t i = 0; i + lag < seg.size(); ++i) score += seg[i] * seg[i + lag];
    if (score > bestScore) bestScore = score, bestLag = lag;
  }
  return double(wave.sampleRate) / bestLag;
}

TEST(ArtworkFiles, PropellerPitchDropsAsTheAircraftPasses) {
  const auto wave = ReadWave(builtin::PathIn(kShare, builtin::kPropellerSound));
  ASSERT_TRUE(wave.has_value());
  const double approaching = EnginePitch(*wave, 0.1, 0.3);
  const double receding = EnginePitch(*wave, 0.7, 0.9);
  EXPECT_GT(approaching, 1.2 * receding) << approaching << " Hz then " << receding << " Hz";
}

}  // namespace
}  // namespace aerolark::test
