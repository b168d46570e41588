// Texts drawn as the program draws them: face lookup, size, position, clipping.
// (Hostile texts, faces and sizes in the settings reach the real rasteriser
// through the whole saver in tests/hostile.)

#include <gtest/gtest.h>

#include "drivers/sdl/font_finder.h"
#include "drivers/sdl/sdl_backends.h"
#include "drivers/compositor_testing.h"

namespace aerolark {
namespace {

using testing::kYellow;
using testing::kBlack;

struct Box {
  int left = 800, top = 600, right = -1, bottom = -1;  // inclusive
  bool Empty() const { return right < 0; }
};

class Text : public testing::CompositorTest<SdlCodecs> {
 protected:
  // Draws on a black frame and returns the box of every pixel not black.
  Box Draw(const std::string& font, int size, const std::string& text, int x, int y) {
    driver.FillScreen(kBlack);
    driver.SetFont(font, size, 1, false, false, false);
    driver.DrawText(text, x, y, kYellow);
    driver.FlipScreen();
    Box box;
    for (int row = 0; row < 600; ++row) {
      for (int column = 0; column < 800; ++column) {
        if (At(column, row) == kBlack) continue;
        box.left = std::min(box.left, column);
        box.right = std::max(box.right, column);
        box.top = std::min(box.top, row);
        box.bottom = std::max(box.bottom, row);
      }
    }
    return box;
  }
  std::vector<Pixel565> Frame() const {
    return {driver.Front().Data(), driver.Front().Data() + 800 * 600};
  }
};

TEST_F(Text, StandsWithItsTopLeftAtThePosition) {
  const Box box = Draw("Arial", 40, "Hg", 100, 50);
  ASSERT_FALSE(box.Empty());
  EXPECT_GE(box.left, 100);
  EXPECT_LE(box.left, 106);
  EXPECT_GE(box.top, 50);
  EXPECT_LE(box.top, 50 + 12);
  EXPECT_EQ(At(box.left + 1, box.top + 10), kYellow);  // the H's stem is solid
}

TEST_F(Text, SizeIsTheCellHeightAtEverySizeTheSaverUses) {
  // The message ends at Y 590 whatever its size, and the hint lines stand
  // 10 pixels apart: a text's box must not be taller, and whole-pixel ems
  // may leave it a pixel short. (Glyphs of some other faces overhang their
  // cell by a row.)
  for (int size : {8, 10, 14, 16, 20, 30, 40, 50, 60, 70, 80, 90, 100}) {
    const auto mask = codecs.text->Rasterise(FontRequest{"Arial", size, false, false, false}, "Hg");
    ASSERT_TRUE(mask) << size;
    EXPECT_LE(mask->height, size);
    EXPECT_GE(mask->height, size - 1);
  }
}

// The saver's texts are laid out for Arial's widths; faces nobody has get
// the default one.
TEST_F(Text, ArialFindsItsMetricTwinAndUnknownFacesTheDefaultSans) {
  const auto arial = FontFinder().Find("Arial");
  ASSERT_TRUE(arial);
  EXPECT_NE(arial->path.find("LiberationSans"), std::string::npos) << arial->path;
  Draw("sans-serif", 30, "Fallback", 10, 10);
  const auto sans = Frame();
  for (const char* face : {"No Such Face-12:bold", ""}) {
    Draw(face, 30, "Fallback", 10, 10);
    EXPECT_EQ(Frame(), sans) << face;
  }
}

TEST_F(Text, ClipsAtTheEdges) {
  const Box right = Draw("Arial", 60, "WWWWWWWWWWWWWWWWWWWWWWWW", 700, 570);
  EXPECT_EQ(right.right, 799);
  EXPECT_EQ(right.bottom, 599);
  const Box left = Draw("Arial", 60, "WWWW", -30, -20);
  EXPECT_EQ(left.left, 0);
  EXPECT_EQ(left.top, 0);
  EXPECT_TRUE(Draw("Arial", 60, "WWWW", -100000, 10).Empty());
  EXPECT_TRUE(Draw("Arial", 60, "WWWW", 10, 600).Empty());
}

TEST_F(Text, CachedTextsDrawTheSameAsFreshOnes) {
  // More distinct texts than the cache keeps, then the first again.
  Draw("Arial", 25, "first text", 20, 20);
  const auto first = Frame();
  for (int i = 0; i < 200; ++i) Draw(i % 2 ? "Arial" : "DejaVu Sans", 10 + i % 50, std::to_string(i), 0, 0);
  Draw("Arial", 25, "first text", 20, 20);
  EXPECT_EQ(Frame(), first);
}

}  // namespace
}  // namespace aerolark
