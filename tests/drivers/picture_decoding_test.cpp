// Pictures decoded as the program decodes them on Linux: the four kinds, and
// a picture that does not load.

#include <gtest/gtest.h>

#include "drivers/picture_fixtures.h"
#include "drivers/sdl/sdl_backends.h"
#include "drivers/software/software_compositor.h"

namespace aerolark {
namespace {

using namespace testing;  // the colours

class PictureDecoding : public CompositorTest<SdlCodecs> {
 protected:
  TempFolder folder;
};

TEST_F(PictureDecoding, AllFourPictureKindsLoad) {
  const std::vector<std::uint8_t> gif = {
      0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x03, 0x00, 0x02, 0x00, 0xf1, 0x00, 0x00,
      0xff, 0x00, 0x00, 0x00, 0xff, 0x00, 0xff, 0x00, 0xff, 0x00, 0x00, 0x00, 0x21,
      0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x03,
      0x00, 0x02, 0x00, 0x00, 0x02, 0x03, 0x14, 0x0e, 0x51, 0x00, 0x3b};  // 3x2: magenta, reds, green
  driver.DrawSprite(Load(WriteBytes(folder.File("p.gif"), gif), kKeyTopLeftTransparent, 0, 0));
  driver.DrawSprite(Load(WritePicture(folder.File("p.jpg"), 16, 16, Solid(kBlue)), kKeyOpaque, 10, 0));
  driver.DrawSprite(Load(WritePicture(folder.File("p.png"), 2, 2, Solid(kYellow)), kKeyOpaque, 30, 0));
  driver.DrawSprite(Load(WritePicture(folder.File("p.bmp"), 2, 2, Solid(kGreen)), kKeyOpaque, 40, 0));
  driver.FlipScreen();
  EXPECT_EQ(At(0, 0), kBlack);  // transparent corner
  EXPECT_EQ(At(1, 0), kRed);
  EXPECT_EQ(At(2, 1), kGreen);
  const Colour jpeg = At(18, 8);
  EXPECT_LT(jpeg & 0xFF, 24);
  EXPECT_GT((jpeg >> 16) & 0xFF, 230);
  EXPECT_EQ(At(31, 1), kYellow);
  EXPECT_EQ(At(41, 1), kGreen);
}

// Damaged and hostile files go through the whole saver in tests/hostile; here
// a sprite whose picture did not load draws nothing, and takes a good one later.
TEST_F(PictureDecoding, ASpriteWithoutAPictureDrawsNothingUntilOneLoads) {
  std::filesystem::create_directory(folder.File("folder.bmp"));
  driver.FillScreen(kBlue);
  for (const std::string& path : {folder.File("missing.bmp"), folder.File("folder.bmp"), std::string()}) {
    driver.DrawSprite(Load(path, kKeyOpaque));
    driver.DrawSprite(Load(path, kKeyTopLeftTransparent, 100, 100));
  }
  const SpriteId reused = Load(folder.File("missing.bmp"), kKeyOpaque);
  driver.DrawSprite(reused);
  driver.FlipScreen();
  EXPECT_EQ(Count(kBlue), 800 * 600);
  driver.LoadSprite(reused, 1, WritePicture(folder.File("ok.bmp"), 64, 64, Solid(kRed)), kKeyOpaque);
  driver.DrawSprite(reused);
  driver.FlipScreen();
  EXPECT_EQ(Count(kRed), 64 * 64);
}

}  // namespace
}  // namespace aerolark
