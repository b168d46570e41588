// Frames composed in memory by the compositor every backend draws with.

#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "drivers/compositor_testing.h"

namespace aerolark {
namespace {

using Composition = testing::CompositorTest<testing::FakeCodecs>;
using namespace testing;  // the colours

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

TEST_F(Composition, KeyModeDecidesWhetherTheTopLeftColourIsTransparent) {
  // Magenta in the corner and in a stripe; the rest red.
  const auto rule = [](int x, int y) { return (x == 0 && y == 0) || x == 2 ? kMagenta : kRed; };
  const std::string bmp = codecs.pictures->Add("plane.bmp", 5, 4, rule);
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
  const std::string png = codecs.pictures->Add("a.png", 4, 1, testing::Solid(kGreen), [](int x, int) { return x == 3 ? 0 : 255; });
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
      codecs.pictures->Add("block.bmp", 280, 100, [](int x, int y) {
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

TEST_F(Composition, FlipPublishesTheBackFrameWhichKeepsItsContent) {
  const std::string bmp = codecs.pictures->Add("s.bmp", 30, 20, testing::Solid(kRed));
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
      const auto& back = driver.Back();
      const auto& shown = driver.Front();
      ASSERT_TRUE(std::equal(back.Data(), back.Data() + 800 * 600, shown.Data())) << round;
    }
  }
}


TEST_F(Composition, TextIsRasterisedOnceAndDrawnInItsColourWithBlendedEdges) {
  driver.FillScreen(kBlue);
  driver.SetFont("Arial", 20, 1, false, false, false);
  driver.DrawText("12:00", 10, 10, kYellow);
  driver.DrawText("12:00", 10, 40, kYellow);  // the clock draws the same text again and again
  EXPECT_EQ(codecs.text->calls, 1);
  driver.SetFont("Arial", 20, 1, true, false, false);
  driver.DrawText("12:00", 10, 70, kYellow);
  EXPECT_EQ(codecs.text->calls, 2);
  // Sizes out of range and empty texts draw nothing and ask for nothing.
  for (const int size : {0, -5, 1001}) {
    driver.SetFont("Arial", size, 1, false, false, false);
    driver.DrawText("x", 300, 300, kYellow);
  }
  driver.SetFont("Arial", 20, 1, false, false, false);
  driver.DrawText("", 300, 300, kYellow);
  EXPECT_EQ(codecs.text->calls, 2);
  driver.FlipScreen();
  EXPECT_EQ(At(10, 10), kYellow);
  EXPECT_EQ(At(58, 29), kYellow);
  const Colour edge = At(59, 29);  // half covered: between the two colours
  EXPECT_NE(edge, kYellow);
  EXPECT_NE(edge, kBlue);
  EXPECT_EQ(At(60, 29), kBlue);
  EXPECT_EQ(Count(kYellow) + Count(edge), 3 * 50 * 20);
}

TEST_F(Composition, OnlyAWholeOpaquePictureCoversTheScreen) {
  const std::string full = codecs.pictures->Add("full.bmp", 800, 600, testing::Solid(kRed));
  const std::string large = codecs.pictures->Add("large.bmp", 900, 700, testing::Solid(kRed));
  const std::string narrow = codecs.pictures->Add("narrow.bmp", 799, 600, testing::Solid(kRed));
  const std::string short_ = codecs.pictures->Add("short.bmp", 800, 599, testing::Solid(kRed));
  EXPECT_TRUE(driver.SpriteCoversScreen(Load(full, kKeyOpaque)));
  EXPECT_TRUE(driver.SpriteCoversScreen(Load(large, kKeyOpaque)));
  EXPECT_FALSE(driver.SpriteCoversScreen(Load(narrow, kKeyOpaque)));
  EXPECT_FALSE(driver.SpriteCoversScreen(Load(short_, kKeyOpaque)));
  EXPECT_FALSE(driver.SpriteCoversScreen(Load("missing.bmp", kKeyOpaque)));
  // Keyed, the top-left colour is a hole.
  EXPECT_FALSE(driver.SpriteCoversScreen(Load(full, kKeyTopLeftTransparent)));
  EXPECT_FALSE(driver.SpriteCoversScreen(12345));
}

}  // namespace
}  // namespace aerolark
