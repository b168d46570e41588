// Scenes drawn over a remembered backdrop repaint only what was drawn over
// it; whatever the order of drawings, flips and picture changes, the shown
// frame must be the one a composer starting afresh would show.

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "drivers/software/software_compositor.h"
#include "drivers/compositor_testing.h"

namespace aerolark {
namespace {

// One drawing, enough to replay it on another driver.
struct Drawing {
  enum Kind { kFill, kSprite, kText } kind;
  std::string path;  // picture of a sprite
  std::int32_t keyMode = kKeyOpaque;
  int x = 0;
  int y = 0;
  Colour colour = 0;
  std::string text;

  static Drawing Fill(Colour colour) { return {kFill, "", kKeyOpaque, 0, 0, colour, ""}; }
  static Drawing Sprite(std::string path, std::int32_t keyMode = kKeyOpaque, int x = 0, int y = 0) {
    return {kSprite, std::move(path), keyMode, x, y, 0, ""};
  }
  static Drawing Text(std::string text, int x, int y) {
    return {kText, "", kKeyOpaque, x, y, PackColour(255, 255, 0), std::move(text)};
  }
};

// Draws onto a driver, loading each picture into a sprite of its own once.
class Painter {
 public:
  explicit Painter(SoftwareCompositor& driver) : driver_(driver) {}
  void Draw(const Drawing& drawing) {
    if (drawing.kind == Drawing::kFill) driver_.FillScreen(drawing.colour);
    if (drawing.kind == Drawing::kText) {
      driver_.SetFont("Arial", 18, 1, false, false, false);
      driver_.DrawText(drawing.text, drawing.x, drawing.y, drawing.colour);
    }
    if (drawing.kind != Drawing::kSprite) return;
    const SpriteId id = SpriteFor(drawing.path, drawing.keyMode);
    driver_.SetSpriteX(id, drawing.x);
    driver_.SetSpriteY(id, drawing.y);
    driver_.DrawSprite(id);
  }

 private:
  SpriteId SpriteFor(const std::string& path, std::int32_t keyMode) {
    auto [at, added] = sprites_.try_emplace(path + "#" + std::to_string(keyMode), 0);
    if (added) {
      at->second = driver_.NewSprite();
      driver_.LoadSprite(at->second, 1, path, keyMode);
    }
    return at->second;
  }
  SoftwareCompositor& driver_;
  std::map<std::string, SpriteId> sprites_;
};

Colour Gradient(int x, int y) { return PackColour(x % 256, y % 256, (x + y) % 256); }
Colour Stripes(int x, int y) { return PackColour(255 - y % 256, (x / 8) % 2 * 200, 90); }

class Repaint : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(driver.OpenScreen(800, 600, 16, ""));
    sunset = pictures.Add("sunset.bmp", 800, 600, Gradient);
    dusk = pictures.Add("dusk.bmp", 900, 700, Stripes);
    plane = pictures.Add("plane.bmp", 70, 30, [](int x, int y) {
      return (x - 35) * (x - 35) / 4 + (y - 15) * (y - 15) < 120 ? PackColour(220, 200, x * 3)
                                                                  : PackColour(255, 0, 255);
    });
    block = pictures.Add("block.bmp", 40, 40, testing::Solid(PackColour(9, 99, 199)));
  }

  // The frame a fresh driver shows after drawing `since` (everything drawn
  // after the last backdrop, which covers all that came before).
  void ExpectShownAsDrawnAfresh(const std::vector<Drawing>& since, int round) {
    SoftwareCompositor fresh(pictures, text);
    ASSERT_TRUE(fresh.OpenScreen(800, 600, 16, ""));
    Painter painter(fresh);
    for (const Drawing& drawing : since) painter.Draw(drawing);
    fresh.FlipScreen();
    const auto& want = fresh.Front();
    const auto& got = driver.Front();
    for (int y = 0; y < 600; ++y) {
      for (int x = 0; x < 800; ++x) {
        ASSERT_EQ(got.At(x, y), want.At(x, y)) << "round " << round << " at " << x << "," << y;
      }
    }
  }

  testing::MemoryPictures pictures;
  testing::BlockText text;
  SoftwareCompositor driver{pictures, text};
  std::string sunset, dusk, plane, block;
};

TEST_F(Repaint, ShownFrameAlwaysEqualsAFreshComposition) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int> pick(0, 11), across(-80, 820), down(-40, 620), shift(-100, 0);
  Painter painter(driver);
  std::vector<Drawing> since;
  int planeX = 100;
  for (int round = 0; round < 400; ++round) {
    const int action = pick(random);
    Drawing drawing = Drawing::Fill(round % 3 ? PackColour(0, 0, 0) : PackColour(0, 226, 251));
    bool backdrop = action == 0;
    if (action >= 1 && action <= 3) {
      drawing = Drawing::Sprite(sunset);  // the usual backdrop, drawn again and again
      backdrop = true;
    } else if (action == 4) {
      // Another picture, shifted: covering the frame at some places, not at others.
      drawing = Drawing::Sprite(dusk, kKeyOpaque, shift(random) + 5, shift(random) + 5);
      backdrop = drawing.x <= 0 && drawing.y <= 0;
    } else if (action >= 5 && action <= 7) {
      planeX += 3;  // a flyer moving a little each scene
      drawing = Drawing::Sprite(plane, kKeyTopLeftTransparent, planeX % 900 - 70, down(random) / 2);
    } else if (action == 8) {
      drawing = Drawing::Sprite(block, kKeyOpaque, across(random), down(random));
    } else if (action == 9) {
      // Every other text the same at the same place, as the clock is.
      drawing = round % 2 ? Drawing::Text(std::to_string(round), across(random), down(random))
                          : Drawing::Text("16:20:00", 2, 3);
    }
    if (action <= 9) {
      painter.Draw(drawing);
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
      {Drawing::Fill(PackColour(0, 0, 0)), Drawing::Text("16:20:00", 10, 10)},
      {Drawing::Sprite(sunset), Drawing::Text("29 seconds", -5, 590)},
      {Drawing::Sprite(sunset), Drawing::Text("hint", 150, 235),
       Drawing::Sprite(block, kKeyOpaque, 170, 240)},  // a picture over part of it
  };
  Painter painter(driver);
  for (std::size_t i = 0; i < scenes.size(); ++i) {
    painter.Draw(scenes[i].front());
    for (int event = 0; event < 6; ++event) {
      for (std::size_t d = 1; d < scenes[i].size(); ++d) painter.Draw(scenes[i][d]);
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
  ExpectShownAsDrawnAfresh({Drawing::Sprite(dusk)}, 0);

  // The same picture moved is another backdrop too.
  driver.SetSpriteX(backdrop, -40);
  driver.SetSpriteY(backdrop, -30);
  driver.DrawSprite(backdrop);
  driver.FlipScreen();
  ExpectShownAsDrawnAfresh({Drawing::Sprite(dusk, kKeyOpaque, -40, -30)}, 2);

  // And a fill of another colour is another backdrop.
  driver.FillScreen(PackColour(0, 0, 0));
  driver.DrawSprite(mark);
  driver.FillScreen(PackColour(0, 226, 251));
  driver.FlipScreen();
  ExpectShownAsDrawnAfresh({Drawing::Fill(PackColour(0, 226, 251))}, 1);
}

}  // namespace
}  // namespace aerolark
