// What the saver puts on the screen, looked at as pixels: the 4:3 frame
// scaled onto a 16:9 screen with black bars, the background, the clock, the
// hint card and its text, the message and the logo. The pictures are kept
// in build/program-shots/ for a person to look at.

#include <gtest/gtest.h>

#include <iostream>

#include "saver_session.h"

namespace aerolark::program_test {
namespace {

const Rgb kBlack{0, 0, 0};

bool SkyBlue(Rgb p) { return Near(p, Rgb{0, 227, 255}, 10); }  // (0, 226, 251) in 16 bits
// Text is drawn with smooth edges and then scaled: its own colour and the
// blends of it that keep its hue count.
bool Yellowish(Rgb p) { return p.r > 140 && p.g > 140 && p.b < 90 && std::abs(p.r - p.g) < 40; }
// Cyan text on sky blue differs in green only: its full colour is looked for.
bool Cyan(Rgb p) { return Near(p, Rgb{0, 255, 255}, 10); }

std::optional<Picture> BuiltIn(const std::string& name) {
  return ReadPictureFile(std::string(AEROLARK_SHARE_DIR) + name);
}

// Where the 800 x 600 frame stands on a screenshot: as large as fits, 4:3 kept.
struct FrameOnScreen {
  double scale = 1;
  int left = 0, top = 0;

  explicit FrameOnScreen(const Picture& screen) {
    scale = std::min(screen.width / 800.0, screen.height / 600.0);
    left = static_cast<int>((screen.width - 800 * scale) / 2);
    top = static_cast<int>((screen.height - 600 * scale) / 2);
  }
  // The screen pixel that shows frame pixel (x, y).
  Rgb At(const Picture& screen, double x, double y) const {
    return screen.at(left + static_cast<int>((x + 0.5) * scale),
                     top + static_cast<int>((y + 0.5) * scale));
  }
  // Frame pixels in the rectangle, every `step`th, for which `test` holds.
  template <typename Test>
  int Count(const Picture& screen, int x0, int y0, int x1, int y1, Test test,
            int step = 1) const {
    int count = 0;
    for (int y = y0; y < y1; y += step) {
      for (int x = x0; x < x1; x += step) count += test(At(screen, x, y)) ? 1 : 0;
    }
    return count;
  }
};

// The share of sample points of a picture that the screen shows as the
// picture has them, with the picture at (x, y) of the frame. Scaling mixes
// neighbouring pixels, so a screen pixel matches when it lies within the
// colours around its place in the picture; points on sharp edges, where
// that range says little, are left out.
double ShareShown(const Picture& screen, const FrameOnScreen& frame, const Picture& sprite, int x,
                  int y) {
  constexpr int kReach = 2, kSharpEdge = 48, kTolerance = 12;
  int used = 0, same = 0;
  for (int v = kReach; v < sprite.height - kReach; v += 5) {
    for (int u = kReach; u < sprite.width - kReach; u += 5) {
      Rgb low{255, 255, 255}, high{0, 0, 0};
      for (int dv = -kReach; dv <= kReach; ++dv) {
        for (int du = -kReach; du <= kReach; ++du) {
          const Rgb p = sprite.at(u + du, v + dv);
          low = Rgb{std::min(low.r, p.r), std::min(low.g, p.g), std::min(low.b, p.b)};
          high = Rgb{std::max(high.r, p.r), std::max(high.g, p.g), std::max(high.b, p.b)};
        }
      }
      if (high.r - low.r > kSharpEdge || high.g - low.g > kSharpEdge ||
          high.b - low.b > kSharpEdge) {
        continue;
      }
      ++used;
      const Rgb shown = frame.At(screen, x + u, y + v);
      same += shown.r >= low.r - kTolerance && shown.r <= high.r + kTolerance &&
              shown.g >= low.g - kTolerance && shown.g <= high.g + kTolerance &&
              shown.b >= low.b - kTolerance && shown.b <= high.b + kTolerance;
    }
  }
  return used == 0 ? 0 : static_cast<double>(same) / used;
}

// Black bars left and right of the frame on a wide screen, nothing else there.
void ExpectBlackBars(const Picture& screen, const FrameOnScreen& frame) {
  ASSERT_GT(frame.left, 0) << "this test needs a screen wider than 4:3";
  int bright = 0;
  for (int y = 0; y < screen.height; y += 4) {
    for (int x = 0; x < frame.left - 1; x += 4) {
      bright += !Near(screen.at(x, y), kBlack, 4);
      bright += !Near(screen.at(screen.width - 1 - x, y), kBlack, 4);
    }
  }
  EXPECT_EQ(bright, 0) << "the bars beside the frame are not black";
}

class ScreenPictures : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(x_.connected()) << "no X server on $DISPLAY"; }

  Picture Shot(const std::string& name) {
    Picture screen = x_.Grab();
    const fs::path path = fs::path(AEROLARK_SHOTS_DIR) / (name + ".png");
    EXPECT_TRUE(screen.SavePng(path)) << path;
    std::cout << "screenshot: " << path.string() << '\n';
    return screen;
  }

  XSession x_;
};

TEST_F(ScreenPictures, FirstRunShowsSunsetClockAndTheTuningHint) {
  std::optional<Picture> sunset = BuiltIn("Sunset Red.BMP");
  std::optional<Picture> card = BuiltIn("TuneMsg.bmp");
  ASSERT_TRUE(sunset && card);

  RunFolder folder("shots-default");
  SaverSession saver(folder, x_, SaverOptions{.placement = Placement::FullScreen, .trace = false});
  ASSERT_TRUE(saver.WaitUntilShown()) << saver.process().Stderr();
  const Clock::time_point shown = Clock::now();

  std::this_thread::sleep_until(shown + milliseconds(5000));
  const Picture early = Shot("default-5s");
  std::this_thread::sleep_until(shown + milliseconds(20000));
  const Picture later = Shot("default-20s");
  ASSERT_TRUE(saver.process().Running());

  for (const Picture* screen : {&early, &later}) {
    const FrameOnScreen frame(*screen);
    ExpectBlackBars(*screen, frame);
    const double cardShown = ShareShown(*screen, frame, *card, 150, 250);
    const double sunsetShown = ShareShown(*screen, frame, *sunset, 0, 0);
    std::cout << "hint card shown: " << cardShown << ", sunset shown: " << sunsetShown << '\n';
    EXPECT_GT(cardShown, 0.95) << "the hint card is missing";
    EXPECT_GT(sunsetShown, 0.45) << "the sunset is missing";
    const int clockYellow = frame.Count(*screen, 0, 0, 150, 24, Yellowish);
    const int hintYellow = frame.Count(*screen, 150, 225, 650, 248, Yellowish);
    std::cout << "yellow in the clock: " << clockYellow << ", in the hint text: " << hintYellow
              << '\n';
    EXPECT_GT(clockYellow, 40) << "no yellow clock";
    EXPECT_GT(hintYellow, 100) << "no yellow hint text";
  }
  // Twenty seconds on the biplanes have moved and the countdown has run.
  const FrameOnScreen frame(early);
  int changedSky = 0, changedCountdown = 0;
  for (int y = 0; y < 250; y += 2) {
    for (int x = 0; x < 800; x += 2) changedSky += !Near(frame.At(early, x, y), frame.At(later, x, y), 10);
  }
  for (int y = 235; y < 248; ++y) {
    for (int x = 150; x < 500; ++x) {
      changedCountdown += !Near(frame.At(early, x, y), frame.At(later, x, y), 10);
    }
  }
  EXPECT_GT(changedSky, 500) << "the scene did not move";
  EXPECT_GT(changedCountdown, 10) << "the countdown did not change";
}

TEST_F(ScreenPictures, SkyBlueWithMessageAndLogoOnceTheHintsWereShown) {
  std::optional<Picture> logo = BuiltIn("Logo1.BMP");
  std::optional<Picture> card = BuiltIn("TuneMsg.bmp");
  std::optional<Picture> monitor = BuiltIn("monitor.bmp");
  ASSERT_TRUE(logo && card && monitor);

  RunFolder folder("shots-sky");
  const std::string share = AEROLARK_SHARE_DIR;
  folder.WriteSettings(
      "[Startup]\nBackGround=2\nBGFreq=36\nClock=1\nFontClock=16\nFontName=Arial\nFontSize=30\n"
      "LogoChecked=1\nLogoFileName=" + share + "Logo1.BMP\nMessage=I'd Rather be Flying\n"
      "MessageChecked=1\nMouseSens=4\nPlaneBG=1\nProp=1\nSecDelay=30\nSpeed=3\nTunePC=6\n"
      "Volume=-784\n[System]\nRunMonitor=True\nSetReg=2\nSoundOff=Never\nTuneScrSvr=True\n");
  SaverSession saver(folder, x_, SaverOptions{.placement = Placement::FullScreen, .trace = false});
  ASSERT_TRUE(saver.WaitUntilShown()) << saver.process().Stderr();
  std::this_thread::sleep_for(milliseconds(3000));
  const Picture screen = Shot("sky-blue-message-logo");

  const FrameOnScreen frame(screen);
  ExpectBlackBars(screen, frame);
  const int samples = (800 / 4) * (600 / 4);
  EXPECT_GT(frame.Count(screen, 0, 0, 800, 600, SkyBlue, 4), samples / 2)
      << "the background is not sky blue";
  const double logoShown = ShareShown(screen, frame, *logo, 1, 20);
  std::cout << "logo shown: " << logoShown << '\n';
  EXPECT_GT(logoShown, 0.7) << "the logo is missing";
  const int cyan = frame.Count(screen, 5, 555, 400, 600, Cyan);
  const int cyanElsewhere = frame.Count(screen, 400, 300, 800, 555, Cyan);
  std::cout << "cyan in the message: " << cyan << ", elsewhere: " << cyanElsewhere << '\n';
  EXPECT_GT(cyan, 100) << "no cyan message";
  EXPECT_LT(cyanElsewhere, 10);
  EXPECT_GT(frame.Count(screen, 0, 0, 150, 24, Yellowish), 40) << "no yellow clock";
  // Both hints were shown on earlier runs: neither card nor text.
  EXPECT_LT(ShareShown(screen, frame, *card, 150, 250), 0.3);
  EXPECT_LT(ShareShown(screen, frame, *monitor, 150, 250), 0.3);
  EXPECT_LT(frame.Count(screen, 150, 225, 650, 248, Yellowish), 5) << "hint text shown";
}

}  // namespace
}  // namespace aerolark::program_test
