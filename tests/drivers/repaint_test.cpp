// Scenes drawn over a remembered backdrop repaint only what was drawn over
// it, and a presenter is sent only what changed; whatever the order of
// drawings, flips and picture changes, the shown frame must be the one a
// composer starting afresh would show.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "drivers/compositor_testing.h"

namespace aerolark {
namespace {

using namespace testing;  // the colours

// One drawing, enough to replay it on another driver: a text when there is
// one, else a sprite showing the picture at `path`, else a fill.
struct Drawing {
  std::string path{};
  std::int32_t keyMode = kKeyOpaque;
  int x = 0, y = 0;
  Colour colour = 0;
  std::string text{};
};
using Sprites = std::map<std::string, SpriteId>;  // one a picture and key mode, loaded once

void Draw(SoftwareCompositor& driver, Sprites& sprites, const Drawing& drawing) {
  if (!drawing.text.empty()) {
    driver.SetFont("Arial", 18, 1, false, false, false);
    driver.DrawText(drawing.text, drawing.x, drawing.y, drawing.colour);
  } else if (drawing.path.empty()) {
    driver.FillScreen(drawing.colour);
  } else {
    auto [at, added] = sprites.try_emplace(drawing.path + "#" + std::to_string(drawing.keyMode), 0);
    if (added) {
      at->second = driver.NewSprite();
      driver.LoadSprite(at->second, 1, drawing.path, drawing.keyMode);
    }
    driver.SetSpriteX(at->second, drawing.x);
    driver.SetSpriteY(at->second, drawing.y);
    driver.DrawSprite(at->second);
  }
}

constexpr Colour kSky = PackColour(0, 226, 251);

Drawing Text(std::string text, int x, int y) {
  return {.x = x, .y = y, .colour = kYellow, .text = std::move(text)};
}
Colour Gradient(int x, int y) { return PackColour(x % 256, y % 256, (x + y) % 256); }
Colour Stripes(int x, int y) { return PackColour(255 - y % 256, (x / 8) % 2 * 200, 90); }

class Repaint : public CompositorTest<FakeCodecs> {
 protected:
  void SetUp() override {
    CompositorTest::SetUp();
    MemoryPictures& pictures = *codecs.pictures;
    sunset = pictures.Add("sunset.bmp", 800, 600, Gradient);
    dusk = pictures.Add("dusk.bmp", 900, 700, Stripes);
    plane = pictures.Add("plane.bmp", 70, 30, [](int x, int y) {
      return (x - 35) * (x - 35) / 4 + (y - 15) * (y - 15) < 120 ? PackColour(220, 200, x * 3)
                                                                  : kMagenta;
    });
    block = pictures.Add("block.bmp", 40, 40, Solid(PackColour(9, 99, 199)));
  }

  // The frame a fresh driver shows after drawing `since` (everything drawn
  // after the last backdrop, which covers all that came before).
  void ExpectShownAsDrawnAfresh(const std::vector<Drawing>& since, int round) {
    SoftwareCompositor fresh(*codecs.pictures, *codecs.text);
    ASSERT_TRUE(fresh.OpenScreen(800, 600, 16, ""));
    Sprites sprites;
    for (const Drawing& drawing : since) Draw(fresh, sprites, drawing);
    fresh.FlipScreen();
    const Pixel565* want = fresh.Front().Data();
    const Pixel565* got = Present();
    const auto at = std::mismatch(got, got + 800 * 600, want).first - got;
    EXPECT_EQ(at, 800 * 600) << "round " << round << " at " << at % 800 << "," << at / 800;
  }

  // What a presenter shows, sent only the unshown changes of each flip.
  const Pixel565* Present() {
    for (const Box& area : driver.UnshownChanges().Boxes()) {
      for (int y = area.top; y < area.bottom; ++y) {
        std::copy(driver.Front().Row(y) + area.left, driver.Front().Row(y) + area.right,
                  screen.Row(y) + area.left);
      }
    }
    driver.MarkShown();
    return screen.Data();
  }

  FrameBuffer screen{800, 600};

  Sprites sprites;  // of `driver`
  std::string sunset, dusk, plane, block;
};

TEST_F(Repaint, ShownFrameAlwaysEqualsAFreshComposition) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int> pick(0, 11), across(-80, 820), down(-40, 620), shift(-100, 0);
  std::vector<Drawing> since;
  int planeX = 100;
  for (int round = 0; round < 400; ++round) {
    const int action = pick(random);
    Drawing drawing{.colour = round % 3 ? kBlack : kSky};
    bool backdrop = action == 0;
    if (action >= 1 && action <= 3) {
      drawing = {.path = sunset};  // the usual backdrop, drawn again and again
      backdrop = true;
    } else if (action == 4) {
      // Another picture, shifted: covering the frame at some places, not at others.
      drawing = {.path = dusk, .x = shift(random) + 5, .y = shift(random) + 5};
      backdrop = drawing.x <= 0 && drawing.y <= 0;
    } else if (action >= 5 && action <= 7) {
      planeX += 3;  // a flyer moving a little each scene
      drawing = {.path = plane, .keyMode = kKeyTopLeftTransparent, .x = planeX % 900 - 70,
                 .y = down(random) / 2};
    } else if (action == 8) {
      drawing = {.path = block, .x = across(random), .y = down(random)};
    } else if (action == 9) {
      // Every other text the same at the same place, as the clock is.
      drawing = round % 2 ? Text(std::to_string(round), across(random), down(random))
                          : Text("16:20:00", 2, 3);
    }
    if (action <= 9) {
      Draw(driver, sprites, drawing);
      if (backdrop) since.clear();
      since.push_back(drawing);
    } else {
      driver.FlipScreen();
      ExpectShownAsDrawnAfresh(since, round);
    }
  }
}

TEST_F(Repaint, TextDrawnSixTimesOverOneSceneShowsAsDrawnOnce) {
  // The clock and the hints are drawn on every event, the scene beneath them
  // only on every few: smooth edges must not be blended over themselves.
  const std::vector<std::vector<Drawing>> scenes = {
      {{.colour = kBlack}, Text("16:20:00", 10, 10)},
      {{.path = sunset}, Text("29 seconds", -5, 590)},
      {{.path = sunset}, Text("hint", 150, 235),
       {.path = block, .x = 170, .y = 240}},  // a picture over part of it
  };
  for (std::size_t i = 0; i < scenes.size(); ++i) {
    Draw(driver, sprites, scenes[i].front());
    for (int event = 0; event < 6; ++event) {
      for (std::size_t d = 1; d < scenes[i].size(); ++d) Draw(driver, sprites, scenes[i][d]);
      driver.FlipScreen();
    }
    ExpectShownAsDrawnAfresh(scenes[i], static_cast<int>(i));
  }
}

TEST_F(Repaint, ABackdropPictureLoadedAnewOrMovedIsPaintedWhole) {
  // The same sprite, its picture replaced: what was remembered of the old
  // one must not be taken for the new.
  const SpriteId backdrop = driver.NewSprite();
  const SpriteId mark = driver.NewSprite();
  driver.LoadSprite(backdrop, 1, sunset, kKeyOpaque);
  driver.LoadSprite(mark, 1, block, kKeyOpaque);
  driver.DrawSprite(backdrop);
  driver.DrawSprite(mark);
  driver.FlipScreen();
  driver.LoadSprite(backdrop, 1, dusk, kKeyOpaque);
  driver.DrawSprite(backdrop);
  driver.FlipScreen();
  ExpectShownAsDrawnAfresh({{.path = dusk}}, 0);

  // The same picture moved is another backdrop too.
  driver.SetSpriteX(backdrop, -40);
  driver.SetSpriteY(backdrop, -30);
  driver.DrawSprite(backdrop);
  driver.FlipScreen();
  ExpectShownAsDrawnAfresh({{.path = dusk, .x = -40, .y = -30}}, 1);
}

}  // namespace
}  // namespace aerolark
