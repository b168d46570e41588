// Pictures decoded as the program decodes them on Linux: the four kinds,
// broken and hostile files, true colours, and frames written back as PNG.

#include <gtest/gtest.h>

#include "drivers/headless/png_file.h"
#include "drivers/picture_fixtures.h"
#include "drivers/sdl/sdl_backends.h"
#include "drivers/software/software_compositor.h"

namespace aerolark {
namespace {

using testing::TempFolder;


class PictureDecoding : public testing::CompositorTest<SdlCodecs> {
 protected:
  TempFolder folder;
};
using namespace testing;  // the colours

TEST_F(PictureDecoding, AllFourPictureKindsLoad) {
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

TEST_F(PictureDecoding, BrokenPicturesLeaveSpritesThatDrawNothing) {
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

TEST_F(PictureDecoding, StillPicturesKeepTheirTrueColours) {
  const std::string png = testing::WritePng(folder.File("still.png"), 3, 2, [](int x, int y) {
    return PackColour(x * 100, y * 200, 7);
  });
  std::optional<StillPicture> picture = codecs.pictures->Decode(png);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 3);
  EXPECT_EQ(picture->height, 2);
  EXPECT_EQ(picture->pixels[0], 0xFF000007u);  // opaque
  EXPECT_EQ(picture->pixels[5], 0xFFC8C807u);  // x 2, y 1: red 200, green 200
  EXPECT_FALSE(codecs.pictures->Decode(folder.File("missing.bmp")));
}

TEST_F(PictureDecoding, AFrameSavedAsPngReadsBackInItsColours) {
  driver.FillScreen(PackColour(0, 226, 251));
  driver.FlipScreen();
  EXPECT_EQ(Count(PackColour(0, 227, 255)), 800 * 600);
  const std::string png = folder.File("shot.png");
  ASSERT_TRUE(SavePng(driver.Front(), png));
  const std::optional<StillPicture> shot = codecs.pictures->Decode(png);
  ASSERT_TRUE(shot);
  EXPECT_EQ(shot->width, 800);
  EXPECT_EQ(shot->height, 600);
  const std::uint32_t pixel = shot->pixels[300 * 800 + 400];
  // Widening 5 and 6 bits to 8 may round either way.
  EXPECT_LE((pixel >> 16) & 0xFF, 3u);
  EXPECT_NEAR((pixel >> 8) & 0xFF, 226, 2);
  EXPECT_GE(pixel & 0xFF, 252u);
  EXPECT_FALSE(SavePng(driver.Front(), folder.File("no-such-folder/shot.png")));
  EXPECT_FALSE(SavePng(FrameBuffer(), folder.File("empty.png")));
}

}  // namespace
}  // namespace aerolark
