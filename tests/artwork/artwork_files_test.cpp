// The built-in pictures and the propeller sound, as the build leaves them in
// the install folder: present, within the sizes the scene relies on, with a
// clean transparent key on every flying sprite, and a sound that plays clean.

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "assets/builtin_files.h"
#include "settings/setting_keys.h"

namespace aerolark::test {
namespace {

const std::string kShare = AEROLARK_SHARE_DIR;

struct Pixel {
  std::uint8_t r, g, b;
  bool operator==(const Pixel&) const = default;
};

std::uint16_t To565(Pixel p) {
  return static_cast<std::uint16_t>(((p.r >> 3) << 11) | ((p.g >> 2) << 5) | (p.b >> 3));
}

struct Bitmap {
  int width = 0, height = 0;
  std::vector<Pixel> pixels;  // top row first
  Pixel at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The picture as SDL reads a BMP; empty, and a failure, when it is none.
Bitmap Load(std::string_view file) {
  SDL_Surface* loaded = SDL_LoadBMP(builtin::PathIn(kShare, file).c_str());
  SDL_Surface* rgb = loaded ? SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0) : nullptr;
  SDL_FreeSurface(loaded);
  if (!rgb) {
    ADD_FAILURE() << file << " is not a readable BMP";
    return {};
  }
  Bitmap bmp{rgb->w, rgb->h, {}};
  for (int y = 0; y < rgb->h; ++y) {
    const auto* row = static_cast<const std::uint8_t*>(rgb->pixels) + y * rgb->pitch;
    for (int x = 0; x < rgb->w; ++x) bmp.pixels.push_back({row[3 * x], row[3 * x + 1], row[3 * x + 2]});
  }
  SDL_FreeSurface(rgb);
  return bmp;
}

bool IsKey(const Bitmap& bmp, Pixel p) { return p == bmp.at(0, 0); }

// The folder is installed as it stands, so it must hold the list and the
// help page, and no more.
TEST(ArtworkFiles, TheInstallFolderHoldsEveryBuiltInFileAndNothingElse) {
  std::set<std::string> wanted(builtin::kAllFiles.begin(), builtin::kAllFiles.end());
  wanted.insert(std::string(builtin::kSupportPage));
  std::set<std::string> found;
  for (const auto& entry : std::filesystem::directory_iterator(kShare)) {
    found.insert(entry.path().filename().string());
    EXPECT_GT(entry.is_regular_file() ? entry.file_size() : 0, 100u) << entry.path();
  }
  EXPECT_EQ(found, wanted);
}

// The defaults writer names built-in pictures; they must be ones the build makes.
TEST(ArtworkFiles, DefaultsNameBuiltInFiles) {
  for (const SettingDeclaration& setting : SettingDeclarations()) {
    if (!setting.writerValueInInstallFolder) continue;
    EXPECT_NE(std::find(builtin::kAllFiles.begin(), builtin::kAllFiles.end(), setting.writerValue),
              builtin::kAllFiles.end())
        << setting.name;
  }
}

TEST(ArtworkFiles, PicturesFitTheScene) {
  struct Limit { std::string_view file; int maxWidth, maxHeight; };
  using namespace builtin;
  std::vector<Limit> limits = {{kBackgroundBiplane, 350, 100}, {kFastJet, 300, 120},
                               {kTuneHint, 500, 340},          {kMonitorHint, 500, 340},
                               {kLogo, 320, 120},              {kPreview, 153, 115}};
  // At 280 wide a biplane standing at X -281 or 805 is wholly off screen.
  for (const std::string_view biplane : kBiplanes) limits.push_back({biplane, 280, 104});
  for (const Limit& l : limits) {
    const Bitmap bmp = Load(l.file);
    EXPECT_LE(bmp.width, l.maxWidth) << l.file;
    EXPECT_LE(bmp.height, l.maxHeight) << l.file;
  }
  // Exactly the screen: drawn, it covers all that was drawn before.
  const Bitmap sunset = Load(builtin::kSunset);
  EXPECT_EQ(std::pair(sunset.width, sunset.height), std::pair(800, 600));
}

TEST(ArtworkFiles, FlyingSpritesHaveACleanTransparentKey) {
  for (const std::string_view file : builtin::kFlyingPictures) {
    SCOPED_TRACE(file);
    const Bitmap bmp = Load(file);
    if (bmp.pixels.empty()) continue;
    const Pixel key = bmp.at(0, 0);
    EXPECT_EQ(To565(key), To565(Pixel{255, 0, 255})) << "the corner should be the magenta key";
    const auto solid = std::count_if(bmp.pixels.begin(), bmp.pixels.end(),
                                     [&](Pixel p) { return !IsKey(bmp, p); });
    const double coverage = double(solid) / bmp.pixels.size();  // the plane's share of its box
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

// 16-bit PCM, two to four seconds, loud but short of clipping, fading in
// and out, and without clicks (no sample-to-sample jump of a quarter scale).
TEST(ArtworkFiles, PropellerSoundIsAShortCleanPass) {
  SDL_AudioSpec format{};
  std::uint8_t* bytes = nullptr;
  std::uint32_t length = 0;
  ASSERT_TRUE(SDL_LoadWAV(builtin::PathIn(kShare, builtin::kPropellerSound).c_str(), &format, &bytes, &length))
      << SDL_GetError();
  ASSERT_EQ(format.format, AUDIO_S16LSB);
  std::vector<std::int16_t> s;  // the first channel
  for (std::uint32_t i = 0; i + 1 < length; i += 2 * format.channels) {
    s.push_back(static_cast<std::int16_t>(bytes[i] | bytes[i + 1] << 8));
  }
  SDL_FreeWAV(bytes);
  const double seconds = double(s.size()) / format.freq;
  EXPECT_GE(seconds, 2.0);
  EXPECT_LE(seconds, 4.0);
  int peak = 0, largestJump = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    peak = std::max(peak, std::abs(int{s[i]}));
    if (i > 0) largestJump = std::max(largestJump, std::abs(s[i] - s[i - 1]));
  }
  EXPECT_LE(peak, 29205) << "louder than -1 dBFS";
  EXPECT_GE(peak, 16384) << "quieter than -6 dBFS";
  EXPECT_LT(largestJump, 8192);
  const std::size_t edge = format.freq / 100;  // the first and last 10 ms below -40 dBFS
  for (std::size_t i = 0; i < edge && i < s.size(); ++i) {
    EXPECT_LT(std::abs(int{s[i]}), 328) << "sample " << i;
    EXPECT_LT(std::abs(int{s[s.size() - 1 - i]}), 328) << "sample from the end " << i;
  }
}

}  // namespace
}  // namespace aerolark::test
