// The command line as the desktop uses it, on a real X server: modes that
// end at once, the single-instance rule, the dialog beside a running saver,
// and the preview inside a window the test makes.

#include <gtest/gtest.h>

#include <csignal>
#include <iostream>

#include "saver_session.h"

namespace aerolark::program_test {
namespace {

constexpr milliseconds kPromptly{5000};
constexpr const char* kDialogTitle = "Aerolark  http://www.aerolark.example";

class StartupModes : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(x_.connected()) << "no X server on $DISPLAY"; }

  // Runs the program with `arguments` and expects it to end by itself,
  // quietly and without putting up a window.
  void ExpectQuietEnd(const RunFolder& folder, const std::vector<std::string>& arguments,
                      const std::string& outputName) {
    x_.WatchTopLevel();
    const Clock::time_point start = Clock::now();
    ProgramProcess program(arguments, folder.Environment(), folder.file(outputName));
    std::optional<Ending> ending = program.WaitForExit(kPromptly);
    ASSERT_TRUE(ending.has_value()) << outputName << " still runs";
    std::cout << outputName << " ended after " << MillisecondsBetween(start, ending->at)
              << " ms\n";
    EXPECT_EQ(ending->status, 0) << outputName;
    EXPECT_EQ(x_.TopLevelChangesSinceWatch(), 0) << outputName << " put up a window";
    EXPECT_EQ(program.Stdout(), "") << outputName;
    EXPECT_EQ(program.Stderr(), "") << outputName;
  }

  static void EndSaver(SaverSession& saver) {
    saver.process().Signal(SIGTERM);
    std::optional<Ending> ending = saver.process().WaitForExit(kPromptly);
    ASSERT_TRUE(ending.has_value()) << "the saver did not end on SIGTERM";
    EXPECT_EQ(ending->status, 0);
  }

  XSession x_;
};

TEST_F(StartupModes, UnknownSwitchEndsAtOnceAndLoadsNothing) {
  RunFolder folder("unknown-switch");
  ASSERT_NO_FATAL_FAILURE(ExpectQuietEnd(folder, {"/x"}, "slash-x"));
  ASSERT_NO_FATAL_FAILURE(ExpectQuietEnd(folder, {"-s"}, "dash-s"));
  EXPECT_FALSE(fs::exists(folder.settingsFile())) << "settings were written";
}

TEST_F(StartupModes, WithoutADisplayTheSaverSaysWhatIsWrongAndHowToRunIt) {
  RunFolder folder("no-display");
  for (const std::string display : {"", ":4242"}) {
    ProgramProcess saver({"/s"}, folder.Environment({{"DISPLAY", display}}),
                         folder.file("no-display" + std::to_string(display.size())));
    std::optional<Ending> ending = saver.WaitForExit(kPromptly);
    ASSERT_TRUE(ending.has_value()) << "still runs with DISPLAY=" << display;
    EXPECT_EQ(ending->status, 1);
    const std::string said = saver.Stderr();
    EXPECT_NE(said.find("no display could be opened"), std::string::npos) << said;
    EXPECT_NE(said.find("DISPLAY=:0 aerolark /s"), std::string::npos) << said;
    EXPECT_EQ(said.find("64K"), std::string::npos) << said;
  }
}

TEST_F(StartupModes, SecondSaverEndsUnlessDisplayPropertiesIsOpen) {
  RunFolder folder("single-instance");
  SaverSession first(folder, x_, SaverOptions{.outputName = "first"});
  ASSERT_TRUE(first.WaitUntilShown()) << first.process().Stderr();

  SaverSession second(folder, x_, SaverOptions{.arguments = {"/S"}, .outputName = "second"});
  std::optional<Ending> ending = second.process().WaitForExit(kPromptly);
  ASSERT_TRUE(ending.has_value()) << "a second saver runs beside the first";
  EXPECT_EQ(ending->status, 0);
  EXPECT_TRUE(second.TraceLines().empty()) << "the second saver loaded its window";
  EXPECT_EQ(x_.WindowsTitled(kSaverTitle).size(), 1u);
  EXPECT_EQ(second.process().Stderr(), "");

  const XWindow properties = x_.CreateWindow("Display Properties", 0, 0, 120, 80);
  SaverSession third(folder, x_, SaverOptions{.outputName = "third"});
  const bool runs = WaitUntil(
      [&] {
        return x_.WindowsTitled(kSaverTitle).size() == 2 &&
               CountLines(third.TraceLines(), "E\tDrawFrame") > 0;
      },
      kStartTimeout);
  EXPECT_TRUE(runs) << "with \"Display Properties\" open a second saver must run";
  EXPECT_TRUE(third.process().Running());
  ASSERT_NO_FATAL_FAILURE(EndSaver(third));
  x_.DestroyWindow(properties);

  EXPECT_TRUE(first.process().Running()) << "the first saver ended";
  // A saver killed outright leaves its registration behind; that must not
  // keep the next saver away.
  first.process().Signal(SIGKILL);
  ASSERT_TRUE(first.process().WaitForExit(kPromptly).has_value());
  SaverSession fourth(folder, x_, SaverOptions{.outputName = "fourth"});
  EXPECT_TRUE(WaitUntil([&] { return CountLines(fourth.TraceLines(), "E\tDrawFrame") > 0; },
                        kStartTimeout))
      << "a killed saver keeps the next one from starting";
  ASSERT_NO_FATAL_FAILURE(EndSaver(fourth));
}

TEST_F(StartupModes, DialogOpensWhileASaverRuns) {
  RunFolder folder("dialog");
  SaverSession saver(folder, x_, SaverOptions{.outputName = "saver"});
  ASSERT_TRUE(saver.WaitUntilShown()) << saver.process().Stderr();

  ProgramProcess dialog({"/c:4242"}, folder.Environment(), folder.file("dialog"));
  std::optional<XWindow> window = x_.WaitForWindow(kDialogTitle, kStartTimeout);
  ASSERT_TRUE(window.has_value()) << "no dialog titled \"" << kDialogTitle << "\"\n"
                                  << dialog.Stderr();
  std::this_thread::sleep_for(milliseconds(300));  // let it paint for the picture
  x_.Grab().SavePng(fs::path(AEROLARK_SHOTS_DIR) / "dialog-beside-saver.png");

  x_.AskToClose(*window);
  std::optional<Ending> ending = dialog.WaitForExit(kPromptly);
  ASSERT_TRUE(ending.has_value()) << "the dialog did not close";
  EXPECT_EQ(ending->status, 0);
  EXPECT_TRUE(saver.process().Running()) << "closing the dialog ended the saver";
  ASSERT_NO_FATAL_FAILURE(EndSaver(saver));
}

TEST_F(StartupModes, PreviewShowsThePictureInsideTheDesktopsWindowAndEndsWithIt) {
  RunFolder folder("preview");
  std::optional<Picture> still = ReadPictureFile(std::string(AEROLARK_SHARE_DIR) + "preview.bmp");
  ASSERT_TRUE(still.has_value());
  ASSERT_EQ(still->width, 153);
  ASSERT_EQ(still->height, 115);

  const XWindow parent = x_.CreateWindow("Screen Saver preview host", 100, 100, 200, 150);
  ProgramProcess preview({"/p", std::to_string(parent)}, folder.Environment(),
                         folder.file("preview"));
  auto showsPicture = [&] {
    if (x_.MappedChildren(parent).empty()) return false;
    const Picture shown = x_.Grab(parent);
    if (shown.width != 200 || shown.height != 150) return false;
    for (int y = 0; y < still->height; y += 7) {
      for (int x = 0; x < still->width; x += 7) {
        if (!Near(shown.at(x, y), still->at(x, y), 3)) return false;
      }
    }
    return true;
  };
  const bool shown = WaitUntil(showsPicture, kStartTimeout);
  const Picture picture = x_.Grab(parent);
  picture.SavePng(fs::path(AEROLARK_SHOTS_DIR) / "preview-in-parent.png");
  ASSERT_TRUE(shown) << "the preview picture did not appear in the parent window\n"
                     << preview.Stderr();
  // The preview covers the whole parent: beyond the picture its own black,
  // not the parent's white.
  EXPECT_TRUE(Near(picture.at(190, 140), Rgb{0, 0, 0}, 8));
  EXPECT_EQ(x_.MappedChildren(parent).size(), 1u);
  EXPECT_TRUE(preview.Running());

  x_.DestroyWindow(parent);
  std::optional<Ending> ending = preview.WaitForExit(kPromptly);
  ASSERT_TRUE(ending.has_value()) << "the preview outlived its parent";
  EXPECT_EQ(ending->status, 0);
  EXPECT_EQ(preview.Stderr(), "");
  EXPECT_FALSE(fs::exists(folder.settingsFile())) << "the preview wrote settings";
}

TEST_F(StartupModes, PreviewWithoutAUsableParentEndsQuietly) {
  RunFolder folder("preview-none");
  ASSERT_NO_FATAL_FAILURE(ExpectQuietEnd(folder, {"/p", "12345"}, "preview-no-such-window"));
  ASSERT_NO_FATAL_FAILURE(ExpectQuietEnd(folder, {"/p"}, "preview-no-number"));
  ASSERT_NO_FATAL_FAILURE(ExpectQuietEnd(folder, {"/p", "ab"}, "preview-letters"));
}

}  // namespace
}  // namespace aerolark::program_test
