// A whole run of the real program, traced, replayed through the saver
// window's rules: every call the program made must be the call the rules
// make for the same events.

#include <gtest/gtest.h>

#include <fstream>
#include <iostream>

#include "saver_session.h"
#include "trace_checker.h"

namespace aerolark::program_test {
namespace {

constexpr const char* kSkyBlue = "16507392";  // 0 + 226 * 256 + 251 * 65536

std::size_t CountStartingWith(const std::vector<std::string>& lines, const std::string& start) {
  std::size_t count = 0;
  for (const std::string& line : lines) count += line.rfind(start, 0) == 0 ? 1 : 0;
  return count;
}

// The share of 16-bit samples in a raw sound recording that are not near silence.
double AudibleShare(const fs::path& recording) {
  const std::string bytes = ReadText(recording);
  const std::size_t samples = bytes.size() / 2;
  std::size_t audible = 0;
  for (std::size_t i = 0; i < samples; ++i) {
    const auto sample = static_cast<std::int16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                                  static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    audible += sample > 100 || sample < -100;
  }
  return samples == 0 ? 0 : static_cast<double>(audible) / static_cast<double>(samples);
}

struct TracedRun {
  std::vector<std::string> trace;
  testing::TraceCheck check;
  double seconds = 0;
};

class WholeRun : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(x_.connected()) << "no X server on $DISPLAY"; }

  // Runs the saver on `settings` for `runFor`, moving the pointer twice on
  // the way, then ends it with a key and checks the trace.
  void RunAndCheck(const RunFolder& folder, const std::string& settings, milliseconds runFor,
                   TracedRun& run) {
    folder.WriteSettings(settings);
    const fs::path before = folder.file("settings-before.ini");
    fs::copy_file(folder.settingsFile(), before);

    // Sound goes to a file, to be listened to by the test.
    SaverSession session(folder, x_,
                         SaverOptions{.environment = {{"SDL_AUDIODRIVER", "disk"},
                                                      {"SDL_DISKAUDIOFILE", SoundFile(folder)}}});
    const Clock::time_point start = Clock::now();
    ASSERT_TRUE(session.WaitUntilShown()) << session.process().Stderr();
    const Box box = x_.Geometry(session.window());
    ASSERT_TRUE(MovePointerTo(box.centreX(), box.centreY()));
    std::this_thread::sleep_for(runFor / 2);
    ASSERT_TRUE(MovePointerTo(box.centreX() + 30, box.centreY() + 20));
    ASSERT_TRUE(MovePointerTo(box.centreX() + 60, box.centreY() + 40));
    std::this_thread::sleep_for(runFor / 2);
    ASSERT_TRUE(session.process().Running()) << "two movements ended the saver";
    ASSERT_TRUE(PressKey("space"));
    std::optional<Ending> ending = session.process().WaitForExit(kStartTimeout);
    ASSERT_TRUE(ending.has_value()) << "a key did not end the saver";
    EXPECT_EQ(ending->status, 0);
    run.seconds = MillisecondsBetween(start, ending->at) / 1000.0;

    run.trace = session.TraceLines();
    std::ifstream in(session.tracePath());
    run.check = testing::CheckTrace(in, before, AEROLARK_SHARE_DIR);
    std::cout << run.trace.size() << " trace lines, "
              << CountLines(run.trace, "E\tDrawFrame") << " frame events in about " << run.seconds
              << " s\n";
  }

  static std::string SoundFile(const RunFolder& folder) { return folder.file("sound.raw"); }

  XSession x_;
};

TEST_F(WholeRun, SkyBlueRunWithMessageLogoAndSecondHintFollowsTheRules) {
  RunFolder folder("trace-sky");
  const std::string share = AEROLARK_SHARE_DIR;
  const std::string settings =
      "[Startup]\n"
      "BackGround=2\nBGFreq=36\nBMPFileName=" + share + "Sunset Red.BMP\nClock=1\n"
      "FontClock=16\nFontName=Arial\nFontSize=24\nLogoChecked=1\n"
      "LogoFileName=" + share + "Logo1.BMP\nMessage=Tailwind all the way\nMessageChecked=1\n"
      "MouseSens=4\nPlaneBG=1\nProp=1\nSecDelay=30\nSpeed=5\nTunePC=3\nVolume=-500\n"
      "[System]\n"
      "PwrSave=0\nRunMonitor=False\nSetReg=2\nSoundOff=Never\nTuneScrSvr=True\n";
  TracedRun run;
  ASSERT_NO_FATAL_FAILURE(RunAndCheck(folder, settings, milliseconds(6000), run));
  EXPECT_TRUE(run.check.ok) << run.check.difference;
  EXPECT_GT(run.check.linesChecked, 10000u);

  const std::size_t frames = CountLines(run.trace, "E\tDrawFrame");
  const std::size_t ticks = CountLines(run.trace, "E\ttmrPause");
  EXPECT_GE(frames, 2000u);
  ASSERT_GE(ticks, 5u);
  // Frames and seconds come from one clock: 360 frame events a second.
  EXPECT_NEAR(static_cast<double>(frames) / static_cast<double>(ticks), 360.0, 60.0);
  // TunePC 3: a scene, each with its sky-blue fill, on every third event.
  EXPECT_NEAR(static_cast<double>(CountLines(run.trace, "C\tFillScreen\t" + std::string(kSkyBlue))),
              static_cast<double>(frames) / 3.0, 2.0);
  EXPECT_EQ(CountStartingWith(run.trace, "C\tFillScreen\t"),
            CountLines(run.trace, "C\tFillScreen\t" + std::string(kSkyBlue)));
  EXPECT_EQ(CountStartingWith(run.trace, "E\tPointerMoved"), 2u);
  EXPECT_GT(CountStartingWith(run.trace, "C\tDrawText\t2 of 2 Messages."), 0u);
  EXPECT_EQ(CountStartingWith(run.trace, "C\tDrawText\t1 of 2 Messages."), 0u);
  EXPECT_GT(CountStartingWith(run.trace, "C\tDrawText\tTailwind all the way\t5\t566\t"), 0u);
  // The second hint is still counting down: nothing was written.
  EXPECT_EQ(CountStartingWith(run.trace, "W\t"), 0u);
  EXPECT_EQ(LastLines(run.trace, 8), ExitSequenceAfter("KeyEvent"));
  // The aircraft's first pass started the propeller sound, and it was heard.
  EXPECT_EQ(CountStartingWith(run.trace, "C\tPlaySound\t"), 1u);
  EXPECT_GT(AudibleShare(SoundFile(folder)), 0.2) << "the propeller sound was not heard";
}

// A custom picture from outside the install folder, a scene on every event,
// fast biplanes, neither crossing flyer, both hints already shown and a
// hand-edited spacing.
TEST_F(WholeRun, CustomPictureEveryEventRunFollowsTheRules) {
  RunFolder folder("trace-custom");
  const fs::path picture = folder.file("my pictures/Evening sky.bmp");
  fs::create_directories(picture.parent_path());
  fs::copy_file(std::string(AEROLARK_SHARE_DIR) + "Sunset Red.BMP", picture);
  const std::string settings =
      "[Startup]\n"
      "BackGround = 3\nBGFreq=40\nBMPFileName=" + picture.string() + "\nClock=0\n"
      "FontClock=16\nFontName=Arial\nFontSize=30\nLogoChecked=0\n"
      "Message=unused\nMessageChecked=0\nMouseSens=4\nPlaneBG=0\nProp=0\nSecDelay=30\n"
      "Speed=10\nTunePC=0\nVolume=-784\n"
      "[System]\n"
      "RunMonitor=True\nSetReg=2\nSoundOff=Never\nTuneScrSvr=True\n";
  TracedRun run;
  ASSERT_NO_FATAL_FAILURE(RunAndCheck(folder, settings, milliseconds(3000), run));
  EXPECT_TRUE(run.check.ok) << run.check.difference;

  const std::size_t frames = CountLines(run.trace, "E\tDrawFrame");
  EXPECT_GE(frames, 1000u);
  std::size_t pictureLoads = 0;
  for (const std::string& line : run.trace) {
    pictureLoads += line.rfind("C\tLoadSprite\t", 0) == 0 &&
                    line.ends_with("\t1\t" + picture.string() + "\t-2");
  }
  EXPECT_EQ(pictureLoads, 1u);
  EXPECT_EQ(CountStartingWith(run.trace, "C\tNewSprite"), 18u);  // 15 + 2 flyers + background
  EXPECT_EQ(CountStartingWith(run.trace, "C\tFillScreen"), 0u);
  EXPECT_EQ(CountStartingWith(run.trace, "C\tDrawText"), 0u);
  EXPECT_EQ(CountStartingWith(run.trace, "E\tTimer1"), CountStartingWith(run.trace, "E\ttmrPause"));
  // Without the aircraft there is nothing to hear.
  EXPECT_EQ(CountStartingWith(run.trace, "C\tPlaySound\t"), 0u);
  EXPECT_GT(fs::file_size(SoundFile(folder)), 0u) << "no sound device was opened";
  EXPECT_EQ(AudibleShare(SoundFile(folder)), 0.0);
}

}  // namespace
}  // namespace aerolark::program_test
