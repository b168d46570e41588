// Frames composed by the headless driver: the same code composes on screen.

#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "drivers/drivers.h"
#include "drivers/frame/font_finder.h"
#include "drivers/picture_fixtures.h"
#include "drivers/still_picture.h"

namespace aerolark {
namespace {

using testing::TempFolder;

constexpr Colour kRed = PackColour(255, 0, 0);
constexpr Colour kBlue = PackColour(0, 0, 255);
constexpr Colour kMagenta = PackColour(255, 0, 255);
constexpr Colour kGreen = PackColour(0, 255, 0);
constexpr Colour kYellow = PackColour(255, 255, 0);

class Composition : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(driver.OpenScreen(800, 600, 16, "")); }

  SpriteId Load(const std::string& path, std::int32_t keyMode, int x = 0, int y = 0) {
    const SpriteId id = driver.NewSprite();
    driver.LoadSprite(id, 1, path, keyMode);
    driver.SetSpriteX(id, x);
    driver.SetSpriteY(id, y);
    return id;
  }
  Colour At(int x, int y) const { return driver.ShownColourAt(x, y); }
  int Count(Colour colour) const {
    int count = 0;
    for (int y = 0; y < 600; ++y)
      for (int x = 0; x < 800; ++x) count += At(x, y) == colour;
    return count;
  }

  TempFolder folder;
  HeadlessDrawingDriver driver;
};

TEST(PixelFormat, PacksColoursRedFirstAndRoundTripsFullIntensity) {
  struct Case { Colour colour; Pixel565 pixel; Colour back; };
  const Case cases[] = {
      {PackColour(0, 0, 0), 0x0000, PackColour(0, 0, 0)},
      {PackColour(255, 255, 255), 0xFFFF, PackColour(255, 255, 255)},
      {PackColour(255, 0, 0), 0xF800, PackColour(255, 0, 0)},
      {PackColour(0, 255, 0), 0x07E0, PackColour(0, 255, 0)},
      {PackColour(0, 0, 255), 0x001F, PackColour(0, 0, 255)},
      {PackColour(0, 226, 251), 0x071F, PackColour(0, 227, 255)},  // sky blue
      {PackColour(255, 255, 0), 0xFFE0, PackColour(255, 255, 0)},
      {static_cast<Colour>(0xFF0000FFu), 0xF800, PackColour(255, 0, 0)},  // top byte ignored
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToRgb565(c.colour), c.pixel) << std::hex << c.colour;
    EXPECT_EQ(FromRgb565(c.pixel), c.back) << std::hex << c.pixel;
  }
}

TEST_F(Composition, FillsWithThePackedColourAndSavesItAsPng) {
  driver.FillScreen(PackColour(0, 226, 251));
  driver.FlipScreen();
  EXPECT_EQ(Count(PackColour(0, 227, 255)), 800 * 600);
  const std::string png = folder.File("shot.png");
  ASSERT_TRUE(driver.SavePng(png));
  SDL_Surface* file = IMG_Load(png.c_str());
  ASSERT_NE(file, nullptr);
  SDL_Surface* loaded = SDL_ConvertSurfaceFormat(file, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(file);
  EXPECT_EQ(loaded->w, 800);
  EXPECT_EQ(loaded->h, 600);
  const Uint32 pixel =
      reinterpret_cast<const Uint32*>(static_cast<Uint8*>(loaded->pixels) + 300 * loaded->pitch)[400];
  // Widening 5 and 6 bits to 8 may round either way.
  EXPECT_LE((pixel >> 16) & 0xFF, 3u);
  EXPECT_NEAR((pixel >> 8) & 0xFF, 226, 2);
  EXPECT_GE(pixel & 0xFF, 252u);
  SDL_FreeSurface(loaded);
}

TEST_F(Composition, KeyModeDecidesWhetherTheTopLeftColourIsTransparent) {
  // Magenta in the corner and in a stripe; the rest red.
  const auto rule = [](int x, int y) { return (x == 0 && y == 0) || x == 2 ? kMagenta : kRed; };
  const std::string bmp = testing::WriteBmp(folder.File("plane.bmp"), 5, 4, rule);
  driver.FillScreen(kBlue);
  driver.DrawSprite(Load(bmp, kKeyTopLeftTransparent, 10, 10));
  driver.DrawSprite(Load(bmp, kKeyOpaque, 100, 10));
  driver.FlipScreen();
  EXPECT_EQ(At(10, 10), kBlue);
  EXPECT_EQ(At(12, 12), kBlue);
  EXPECT_EQ(At(11, 10), kRed);
  EXPECT_EQ(At(14, 13), kRed);
  EXPECT_EQ(At(15, 13), kBlue);
  EXPECT_EQ(At(100, 10), kMagenta);
  EXPECT_EQ(At(102, 12), kMagenta);
  EXPECT_EQ(At(101, 10), kRed);
  EXPECT_EQ(Count(kRed), 2 * (5 * 4 - 5));
  EXPECT_EQ(Count(kMagenta), 5);
}

TEST_F(Composition, PictureAlphaHidesPixelsOfKeyedSprites) {
  const std::string png = testing::WritePng(
      folder.File("a.png"), 4, 1, testing::Solid(kGreen), [](int x, int) { return x == 3 ? 0 : 255; });
  driver.FillScreen(kBlue);
  driver.DrawSprite(Load(png, kKeyTopLeftTransparent, 0, 0));
  driver.DrawSprite(Load(png, kKeyOpaque, 0, 1));
  driver.FlipScreen();
  EXPECT_EQ(At(0, 0), kBlue);  // the key colour is green here
  EXPECT_EQ(At(3, 0), kBlue);
  EXPECT_EQ(At(0, 1), kGreen);
  EXPECT_EQ(At(3, 1), kGreen);
}

TEST_F(Composition, SpritesClipAtEveryEdgeAndVanishWhollyOffScreen) {
  const std::string bmp =
      testing::WriteBmp(folder.File("block.bmp"), 280, 100, [](int x, int y) {
        return x == 0 && y == 0 ? kRed : (x == 279 && y == 99 ? kYellow : kGreen);
      });
  struct Case { int x, y; int visible; };
  const Case cases[] = {
      {-281, 250, 0}, {805, 250, 0}, {-280, 250, 0}, {800, 250, 0},
      {300, -100, 0}, {300, 600, 0}, {-279, 250, 100}, {799, 250, 100},
      {-100, -50, 180 * 50}, {700, 550, 100 * 50}, {-10, 580, 270 * 20},
      {INT_MIN, INT_MAX, 0}, {260, 250, 280 * 100},
  };
  const SpriteId id = Load(bmp, kKeyOpaque);
  for (const Case& c : cases) {
    driver.FillScreen(kBlue);
    driver.SetSpriteX(id, c.x);
    driver.SetSpriteY(id, c.y);
    driver.DrawSprite(id);
    driver.FlipScreen();
    const int drawn = 800 * 600 - Count(kBlue);
    EXPECT_EQ(drawn, c.visible) << c.x << "," << c.y;
    if (c.visible > 0 && c.x >= 0 && c.y >= 0) {
      EXPECT_EQ(At(c.x, c.y), kRed);
    }
  }
  driver.SetSpriteX(id, 799 - 279);
  driver.SetSpriteY(id, 599 - 99);
  driver.DrawSprite(id);
  driver.FlipScreen();
  EXPECT_EQ(At(799, 599), kYellow);
}

TEST_F(Composition, PositionsSaturateAndUnknownIdsDoNothing) {
  const SpriteId id = driver.NewSprite();
  driver.SetSpriteX(id, INT_MAX - 1);
  driver.MoveSpriteX(id, 10);
  EXPECT_EQ(driver.GetSpriteX(id), INT_MAX);
  driver.SetSpriteX(id, INT_MIN + 1);
  driver.MoveSpriteX(id, -10);
  EXPECT_EQ(driver.GetSpriteX(id), INT_MIN);
  driver.MoveSpriteX(id, 5);
  EXPECT_EQ(driver.GetSpriteX(id), INT_MIN + 5);
  driver.MoveSpriteY(id, -1);
  driver.DrawSprite(id);  // nothing loaded: draws nothing

  for (SpriteId unknown : {0, -3, id + 1000}) {
    driver.SetSpriteX(unknown, 5);
    driver.MoveSpriteX(unknown, 5);
    driver.LoadSprite(unknown, 1, "/nonexistent.bmp", -1);
    driver.DrawSprite(unknown);
    EXPECT_EQ(driver.GetSpriteX(unknown), 0);
  }
  const SpriteId next = driver.NewSprite();
  EXPECT_GT(id, 0);
  EXPECT_GT(next, id);
}

TEST_F(Composition, AllFourPictureKindsLoad) {
  const std::vector<std::uint8_t> gif = {
      0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x03, 0x00, 0x02, 0x00, 0xf1, 0x00, 0x00,
      0xff, 0x00, 0x00, 0x00, 0xff, 0x00, 0xff, 0x00, 0xff, 0x00, 0x00, 0x00, 0x21,
      0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x03,
      0x00, 0x02, 0x00, 0x00, 0x02, 0x03, 0x14, 0x0e, 0x51, 0x00, 0x3b};  // 3x2: magenta, reds, green
  driver.DrawSprite(Load(testing::WriteBytes(folder.File("p.gif"), gif), kKeyTopLeftTransparent, 0, 0));
  driver.DrawSprite(Load(testing::WriteJpeg(folder.File("p.jpg"), 16, 16, testing::Solid(kBlue)),
                         kKeyOpaque, 10, 0));
  driver.DrawSprite(Load(testing::WritePng(folder.File("p.png"), 2, 2, testing::Solid(kYellow)),
                         kKeyOpaque, 30, 0));
  driver.DrawSprite(Load(testing::WriteBmp(folder.File("p.bmp"), 2, 2, testing::Solid(kGreen)),
                         kKeyOpaque, 40, 0));
  driver.FlipScreen();
  EXPECT_EQ(At(0, 0), PackColour(0, 0, 0));  // transparent corner
  EXPECT_EQ(At(1, 0), kRed);
  EXPECT_EQ(At(2, 1), kGreen);
  const Colour jpeg = At(18, 8);
  EXPECT_LT(jpeg & 0xFF, 24);
  EXPECT_GT((jpeg >> 16) & 0xFF, 230);
  EXPECT_EQ(At(31, 1), kYellow);
  EXPECT_EQ(At(41, 1), kGreen);
}

TEST_F(Composition, BrokenPicturesLeaveSpritesThatDrawNothing) {
  const std::string bmp = testing::WriteBmp(folder.File("ok.bmp"), 64, 64, testing::Solid(kRed));
  const std::string png = testing::WritePng(folder.File("ok.png"), 64, 64, testing::Solid(kRed));
  auto bytes = testing::ReadBytes(bmp);
  auto truncatedBmp = std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 200);
  auto hugeBmp = bytes;
  hugeBmp[18] = 0x60; hugeBmp[19] = 0xEA; hugeBmp[22] = 0x60; hugeBmp[23] = 0xEA;  // 60000 x 60000
  auto pngBytes = testing::ReadBytes(png);
  auto truncatedPng = std::vector<std::uint8_t>(pngBytes.begin(), pngBytes.begin() + 60);
  auto hugePng = pngBytes;
  hugePng[18] = 0xEA; hugePng[19] = 0x60; hugePng[22] = 0xEA; hugePng[23] = 0x60;
  std::filesystem::create_directory(folder.File("folder.bmp"));
  const std::string paths[] = {
      folder.File("missing.bmp"),
      folder.File("folder.bmp"),
      testing::WriteBytes(folder.File("truncated.bmp"), truncatedBmp),
      testing::WriteBytes(folder.File("huge.bmp"), hugeBmp),
      testing::WriteBytes(folder.File("truncated.png"), truncatedPng),
      testing::WriteBytes(folder.File("huge.png"), hugePng),
      testing::WriteBytes(folder.File("text.bmp"), {'h', 'e', 'l', 'l', 'o'}),
      testing::WriteBytes(folder.File("empty.jpg"), {}),
      "",
  };
  driver.FillScreen(kBlue);
  for (const std::string& path : paths) {
    driver.DrawSprite(Load(path, kKeyOpaque, 0, 0));
    driver.DrawSprite(Load(path, kKeyTopLeftTransparent, 100, 100));
  }
  driver.FlipScreen();
  EXPECT_EQ(Count(kBlue), 800 * 600);
  // A later good picture still loads into a sprite that was broken.
  const SpriteId reused = Load(paths[0], kKeyOpaque);
  driver.LoadSprite(reused, 1, bmp, kKeyOpaque);
  driver.DrawSprite(reused);
  driver.FlipScreen();
  EXPECT_EQ(Count(kRed), 64 * 64);
}

TEST_F(Composition, FlipPublishesTheBackFrameWhichKeepsItsContent) {
  const std::string bmp = testing::WriteBmp(folder.File("s.bmp"), 30, 20, testing::Solid(kRed));
  const SpriteId id = Load(bmp, kKeyOpaque, 100, 100);
  driver.FillScreen(kBlue);
  EXPECT_EQ(At(0, 0), PackColour(0, 0, 0));  // not shown before the flip
  driver.FlipScreen();
  EXPECT_EQ(At(0, 0), kBlue);
  driver.DrawSprite(id);
  EXPECT_EQ(At(100, 100), kBlue);
  driver.FlipScreen();
  EXPECT_EQ(At(100, 100), kRed);
  driver.FlipScreen();  // nothing drawn in between: the same frame again
  EXPECT_EQ(At(100, 100), kRed);
  EXPECT_EQ(Count(kRed), 600);

  // Whatever is drawn, after each flip the shown frame equals the composed one.
  std::mt19937 random(7);
  std::uniform_int_distribution<int> position(-60, 820), pick(0, 9);
  for (int round = 0; round < 300; ++round) {
    const int action = pick(random);
    if (action == 0) driver.FillScreen(PackColour(round % 256, 40, 90));
    if (action <= 6) {
      driver.SetSpriteX(id, position(random));
      driver.SetSpriteY(id, position(random) * 3 / 4);
      driver.DrawSprite(id);
    }
    if (action == 7) {
      driver.SetFont("Arial", 20, 1, false, false, false);
      driver.DrawText(std::to_string(round), position(random), position(random), kYellow);
    }
    if (action >= 5) {
      driver.FlipScreen();
      const auto& back = driver.Composer().Back();
      const auto& shown = driver.Shown();
      ASSERT_TRUE(std::equal(back.Data(), back.Data() + 800 * 600, shown.Data())) << round;
    }
  }
}

}  // namespace
}  // namespace aerolark

namespace aerolark {
namespace {

TEST_F(Composition, OnlyAWholeOpaquePictureCoversTheScreen) {
  const std::string full = testing::WriteBmp(folder.File("full.bmp"), 800, 600, testing::Solid(kRed));
  const std::string large = testing::WriteBmp(folder.File("large.bmp"), 900, 700, testing::Solid(kRed));
  const std::string narrow = testing::WriteBmp(folder.File("narrow.bmp"), 799, 600, testing::Solid(kRed));
  const std::string short_ = testing::WriteBmp(folder.File("short.bmp"), 800, 599, testing::Solid(kRed));
  EXPECT_TRUE(driver.SpriteCoversScreen(Load(full, kKeyOpaque)));
  EXPECT_TRUE(driver.SpriteCoversScreen(Load(large, kKeyOpaque)));
  EXPECT_FALSE(driver.SpriteCoversScreen(Load(narrow, kKeyOpaque)));
  EXPECT_FALSE(driver.SpriteCoversScreen(Load(short_, kKeyOpaque)));
  EXPECT_FALSE(driver.SpriteCoversScreen(Load(folder.File("missing.bmp"), kKeyOpaque)));
  // Keyed, the top-left colour is a hole.
  EXPECT_FALSE(driver.SpriteCoversScreen(Load(full, kKeyTopLeftTransparent)));
  EXPECT_FALSE(driver.SpriteCoversScreen(12345));
}

TEST_F(Composition, StillPicturesKeepTheirTrueColours) {
  const std::string png = testing::WritePng(folder.File("still.png"), 3, 2, [](int x, int y) {
    return PackColour(x * 100, y * 200, 7);
  });
  std::optional<StillPicture> picture = LoadStillPicture(png);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 3);
  EXPECT_EQ(picture->height, 2);
  EXPECT_EQ(picture->pixels[0], 0x000007u);
  EXPECT_EQ(picture->pixels[5], 0xC8C807u);  // x 2, y 1: red 200, green 200
  EXPECT_FALSE(LoadStillPicture(folder.File("missing.bmp")));
}

}  // namespace
}  // namespace aerolark
