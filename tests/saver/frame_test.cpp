// What one frame event draws, and in which order.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "saver_rig.h"

namespace aerolark::testing {
namespace {

using ::testing::ElementsAreArray;

const std::string kCyan = Num(0 + 255 * 256 + 255 * 65536);
const std::string kYellow = Num(255 + 255 * 256);
const std::string kSkyBlue = Num(226 * 256 + 251 * 65536);

std::vector<std::string> OneFrame(SaverRig& rig) {
  std::size_t mark = rig.Mark();
  rig.form->DrawFrame();
  return rig.log.From(mark);
}

std::vector<std::string> ClockCalls(const std::string& size, const std::string& time) {
  return {Join({"C", "SetFont", "Arial", size, "1", "False", "False", "False"}),
          Join({"C", "DrawText", time, "0", "0", kYellow})};
}

TEST(Frame, ComposedSceneDrawsEveryLayerInStackingOrder) {
  SaverRig rig;
  rig.Defaults()
      .HintsShown()
      .Set(Key::BackGround, "2")
      .Set(Key::MessageChecked, "1")
      .Set(Key::Message, "Hello")
      .Set(Key::FontName, "Serif")
      .Set(Key::FontSize, "12")
      .Set(Key::LogoChecked, "1")
      .Set(Key::FontClock, "20")
      .Set(Key::TunePC, "6");
  rig.clock.timeOfDay = "10:00:00";
  rig.Load();
  // Sprites: logo 1, aircraft 2, background plane 3, biplanes 4 to 18.
  std::vector<std::string> expected = {
      Join({"E", "DrawFrame"}),
      Join({"C", "FillScreen", kSkyBlue}),
      Join({"C", "SetFont", "Serif", "12", "1", "False", "False", "False"}),
      Join({"C", "DrawText", "Hello", "5", "578", kCyan}),
      Join({"C", "DrawSprite", "1"}),
      Join({"C", "DrawSprite", "3"}),
      Join({"C", "DrawSprite", "3"}),
      Join({"C", "MoveSpriteY", "3", "1"}),
      Join({"C", "MoveSpriteX", "3", "-3"}),
      Join({"C", "GetSpriteX", "3", "=", "802"}),
      Join({"C", "DrawSprite", "2"}),
      Join({"C", "DrawSprite", "2"}),
      Join({"C", "MoveSpriteY", "2", "1"}),
      Join({"C", "MoveSpriteX", "2", "-7"}),
      Join({"C", "GetSpriteX", "2", "=", "798"}),
      Join({"C", "DrawSprite", "4"}),
      Join({"C", "MoveSpriteY", "4", "1"}),
      Join({"C", "MoveSpriteX", "4", "3"}),
  };
  for (const std::string& line : ClockCalls("20", "10:00:00")) expected.push_back(line);
  expected.push_back(Join({"C", "FlipScreen"}));
  EXPECT_THAT(OneFrame(rig), ElementsAreArray(expected));

  // The next five events compose nothing: clock and flip only.
  std::vector<std::string> between = {Join({"E", "DrawFrame"})};
  for (const std::string& line : ClockCalls("20", "10:00:00")) between.push_back(line);
  between.push_back(Join({"C", "FlipScreen"}));
  for (int i = 0; i < 5; ++i) EXPECT_THAT(OneFrame(rig), ElementsAreArray(between));
  EXPECT_EQ(OneFrame(rig)[1], Join({"C", "FillScreen", kSkyBlue}));
  rig.clock.timeOfDay = "10:00:01";
  rig.Seconds(1);  // the clock shows the time of the last tick
  EXPECT_EQ(OneFrame(rig)[2], Join({"C", "DrawText", "10:00:01", "0", "0", kYellow}));
}

TEST(Frame, TuningSettingChoosesWhichEventsCompose) {
  struct TuneCase {
    std::string tunePC;
    std::vector<int> composed;  // 1-based events among the first 12
  };
  for (const TuneCase& c : std::vector<TuneCase>{{"0", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
                                                 {"3", {1, 4, 7, 10}},
                                                 {"1", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
                                                 {"25", {1}}}) {
    SaverRig rig;
    rig.Bare().Set(Key::TunePC, c.tunePC);
    rig.Load();
    std::vector<int> composed;
    for (int event = 1; event <= 12; ++event) {
      std::vector<std::string> lines = OneFrame(rig);
      if (lines[1] == Join({"C", "FillScreen", "0"})) composed.push_back(event);
      EXPECT_EQ(lines.back(), "C\tFlipScreen");
    }
    EXPECT_EQ(composed, c.composed) << "TunePC " << c.tunePC;
  }
  // Above 20 the counter never matches again, however long it runs.
  SaverRig rig;
  rig.Bare().Set(Key::TunePC, "25");
  rig.Load();
  rig.Frames(2000);
  EXPECT_EQ(rig.log.Count("C\tFillScreen"), 1u);
}

TEST(Frame, BackgroundChoices) {
  struct BgCase {
    std::string backGround;
    bool partial;
    std::vector<std::string> calls;  // after the event line, before the flyers
  };
  const std::string picture = "/pictures/sky.bmp";
  const std::vector<BgCase> cases = {
      {"1", false, {Join({"C", "FillScreen", "0"})}},
      {"7", false, {Join({"C", "FillScreen", "0"})}},
      {"3", false,
       {Join({"C", "DrawSprite", "1"}), Join({"C", "SetSpriteX", "1", "0"}),
        Join({"C", "SetSpriteY", "1", "0"})}},
      // A picture that cannot cover the frame gets black beneath it.
      {"3", true,
       {Join({"C", "FillScreen", "0"}), Join({"C", "DrawSprite", "1"}),
        Join({"C", "SetSpriteX", "1", "0"}), Join({"C", "SetSpriteY", "1", "0"})}},
  };
  for (const BgCase& c : cases) {
    SaverRig rig;
    rig.Defaults().HintsShown().Set(Key::BackGround, c.backGround).Set(Key::BMPFileName, picture);
    if (c.partial) rig.drawingStub.partialPictures.insert(picture);
    rig.Load();
    for (int scene = 0; scene < 2; ++scene) {
      std::vector<std::string> lines = OneFrame(rig);
      std::vector<std::string> head(lines.begin() + 1,
                                    lines.begin() + 1 + static_cast<long>(c.calls.size()));
      EXPECT_EQ(head, c.calls) << c.backGround << (c.partial ? " partial" : "");
      rig.Frames(5);
    }
  }
}

TEST(Frame, MessageFollowsTheStoreWhileRunning) {
  SaverRig rig;
  rig.Bare().Set(Key::Clock, "0").Set(Key::FontSize, "30.5");  // read as a number: 30
  rig.Load();
  auto texts = [&] { return rig.log.Count("C\tDrawText"); };
  rig.Frames(3);
  EXPECT_EQ(texts(), 0u);  // MessageChecked 0: no text at all

  rig.store.WriteSetting("Startup", "MessageChecked", "1");
  rig.store.WriteSetting("Startup", "Message", "");
  rig.store.WriteSetting("Startup", "FontName", "Mono");
  std::vector<std::string> lines = OneFrame(rig);
  EXPECT_EQ(lines[2], Join({"C", "SetFont", "Mono", "30", "1", "False", "False", "False"}));
  EXPECT_EQ(lines[3], Join({"C", "DrawText", "", "5", "560", kCyan}));

  rig.store.WriteSetting("Startup", "Message", "Fly\tlow");
  EXPECT_EQ(OneFrame(rig)[3], Join({"C", "DrawText", "Fly\\tlow", "5", "560", kCyan}));
  // The size is read once at start.
  rig.store.WriteSetting("Startup", "FontSize", "10");
  EXPECT_EQ(OneFrame(rig)[3], Join({"C", "DrawText", "Fly\\tlow", "5", "560", kCyan}));
}

TEST(Frame, HintsShowOneAtATimeWithTheirCountdown) {
  SaverRig rig;
  rig.Defaults().Set(Key::Clock, "0").Set(Key::TunePC, "3");
  rig.Load();  // monitor sprite 1, tuning sprite 2
  auto hint = [&](const std::string& caption, int seconds, const std::string& sprite) {
    return std::vector<std::string>{
        Join({"C", "SetFont", "Arial", "14", "1", "False", "False", "False"}),
        Join({"C", "DrawText", caption, "150", "225", kYellow}),
        Join({"C", "SetFont", "Arial", "14", "1", "False", "False", "False"}),
        Join({"C", "DrawText", "This graphic will disappear in: " + Num(seconds) + " seconds",
              "150", "235", kYellow}),
        Join({"C", "DrawSprite", sprite}), Join({"C", "FlipScreen"})};
  };
  const std::string first = "1 of 2 Messages. These messages will only be displayed one time";
  const std::string second = "2 of 2 Messages. These messages will only be displayed one time";
  auto tail = [&] {
    std::vector<std::string> lines = OneFrame(rig);
    return std::vector<std::string>(lines.end() - 6, lines.end());
  };
  EXPECT_EQ(tail(), hint(first, 0, "2"));
  rig.Seconds(23);
  EXPECT_EQ(tail(), hint(first, 7, "2"));  // also on events that compose nothing
  rig.Seconds(7);
  EXPECT_EQ(tail(), hint(second, 30, "1"));
  rig.Seconds(30);
  std::size_t mark = rig.Mark();
  rig.Frames(3);
  for (const std::string& line : rig.log.From(mark)) {
    EXPECT_NE(line.rfind("C\tDrawText\t", 0), 0u) << "no hint after both are shown";
  }
}

}  // namespace
}  // namespace aerolark::testing
