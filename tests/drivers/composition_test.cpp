// Frames composed in memory by the compositor every backend draws with.

#include <gtest/gtest.h>

#include <climits>

#include "drivers/compositor_testing.h"

namespace aerolark {
namespace {

using Composition = testing::CompositorTest<testing::FakeCodecs>;
using namespace testing;  // the colours

TEST(PixelFormat, PacksColoursRedFirstAndRoundTripsFullIntensity) {
  struct Case { Colour colour; Pixel565 pixel; Colour back; };
  const Case cases[] = {
      {kRed, 0xF800, kRed},
      {kGreen, 0x07E0, kGreen},
      {kBlue, 0x001F, kBlue},
      {PackColour(255, 255, 255), 0xFFFF, PackColour(255, 255, 255)},
      {PackColour(0, 226, 251), 0x071F, PackColour(0, 227, 255)},  // the sky blue fill
      {static_cast<Colour>(0xFF0000FFu), 0xF800, kRed},              // top byte ignored
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToRgb565(c.colour), c.pixel) << std::hex << c.colour;
    EXPECT_EQ(FromRgb565(c.pixel), c.back) << std::hex << c.pixel;
  }
}

// Keyed, a sprite leaves its top-left colour and its picture's transparent
// pixels unpainted; opaque, it paints them all.
TEST_F(Composition, KeyModeDecidesWhatIsTransparent) {
  // Magenta in the corner and down column 2, column 4 transparent, the rest red.
  const std::string picture = codecs.pictures->Add(
      "plane.png", 5, 4, [](int x, int y) { return (x == 0 && y == 0) || x == 2 ? kMagenta : kRed; },
      [](int x, int) { return x == 4 ? 0 : 255; });
  driver.FillScreen(kBlue);
  driver.DrawSprite(Load(picture, kKeyTopLeftTransparent, 10, 10));
  driver.DrawSprite(Load(picture, kKeyOpaque, 100, 10));
  driver.FlipScreen();
  struct Case { int x, y; Colour shown; };
  const Case cases[] = {{10, 10, kBlue},     {12, 12, kBlue},    {11, 10, kRed},
                        {14, 13, kBlue},     {100, 10, kMagenta}, {102, 12, kMagenta},
                        {101, 10, kRed},     {104, 13, kRed},     {105, 13, kBlue}};
  for (const Case& c : cases) EXPECT_EQ(At(c.x, c.y), c.shown) << c.x << "," << c.y;
  EXPECT_EQ(Count(kRed), 11 + 15);
  EXPECT_EQ(Count(kMagenta), 5);
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
    EXPECT_EQ(800 * 600 - Count(kBlue), c.visible) << c.x << "," << c.y;
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

TEST_F(Composition, TextIsRasterisedOnceAndDrawnInItsColourWithBlendedEdges) {
  driver.FillScreen(kBlue);
  driver.SetFont("Arial", 20, 1, false, false, false);
  driver.DrawText("12:00", 10, 10, kYellow);
  driver.DrawText("12:00", 10, 40, kYellow);  // the clock draws the same text again and again
  EXPECT_EQ(codecs.text->calls, 1);
  driver.SetFont("Arial", 20, 1, true, false, false);
  driver.DrawText("12:00", 10, 70, kYellow);
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

// Whether a sprite is taken for the backdrop, whose drawing makes all that
// was drawn before it invisible.
TEST_F(Composition, OnlyAWholeOpaquePictureCoversTheScreen) {
  struct Case { const char* name; int width, height; std::int32_t keyMode; bool covers; };
  const Case cases[] = {{"full", 800, 600, kKeyOpaque, true},
                        {"large", 900, 700, kKeyOpaque, true},
                        {"narrow", 799, 600, kKeyOpaque, false},
                        {"short", 800, 599, kKeyOpaque, false},
                        {"keyed", 800, 600, kKeyTopLeftTransparent, false}};  // all key colour
  for (const Case& c : cases) {
    const std::string path = codecs.pictures->Add(c.name, c.width, c.height, Solid(kRed));
    EXPECT_EQ(driver.SpriteCoversScreen(Load(path, c.keyMode)), c.covers) << c.name;
  }
  EXPECT_FALSE(driver.SpriteCoversScreen(Load("missing.bmp", kKeyOpaque)));
  EXPECT_FALSE(driver.SpriteCoversScreen(12345));
}

// A flip marks for showing the smallest box holding every changed pixel:
// any row width, changes at either end of a step of four pixels or between.
TEST(FrameBuffer, CopyingWhatDiffersFindsTheSmallestBoxHoldingIt) {
  for (int width = 1; width <= 13; ++width) {
    for (int first = 0; first < width; ++first) {
      for (int last = first; last < width; last += 3) {
        FrameBuffer front(16, 4), back(16, 4);
        back.Row(1)[1 + first] = 7;
        back.Row(2)[1 + last] = 9;
        const Box area{1, 0, 1 + width, 4};
        const Box expected{1 + first, 1, 2 + last, 3};
        EXPECT_EQ(front.CopyDifferingFrom(back, area), expected) << width << " " << first;
        EXPECT_TRUE(std::equal(back.Data(), back.Data() + 64, front.Data()));
        EXPECT_TRUE(front.CopyDifferingFrom(back, area).Empty());
      }
    }
  }
}

}  // namespace
}  // namespace aerolark
