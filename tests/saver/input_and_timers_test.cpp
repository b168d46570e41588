// Pointer movement's counting window, the hint timer, the pause timer and
// the sound timer.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "assets/engine_sound.h"
#include "saver_rig.h"
#include "settings/stop_sound_choices.h"

namespace aerolark::testing {
namespace {

struct MoveCase {
  std::string mouseSens;
  std::vector<double> times;  // monotonic seconds of each movement
  int endsAt;                 // 1-based movement that ends the saver; 0: none
};

TEST(PointerExit, CountsMovesInTenSecondWindows) {
  std::vector<double> hundred;
  for (int i = 0; i < 100; ++i) hundred.push_back(1000 + i * 0.01);
  const std::vector<MoveCase> cases = {
      {"4", {1000, 1001, 1002, 1003}, 4},
      // The event that closes the window is still counted first.
      {"4", {1000, 1001, 1002, 1020}, 4},
      {"5", {1000, 1001, 1002, 1020, 1021, 1022, 1023, 1024}, 0},
      {"5", {1000, 1001, 1002, 1020, 1021, 1022, 1023, 1024, 1025}, 9},
      // The window opens at the rounded second: 1000.4 opens at 1000, so
      // 1010.45 is already more than 10 seconds later and resets the count.
      {"3", {1000.4, 1010.45, 1011}, 0},
      {"3", {1000.6, 1010.45, 1011}, 3},
      {"1", {1000}, 1},
      {"0", hundred, 0},
      {"-1", hundred, 0},
      {"2.5", hundred, 0},
  };
  for (const MoveCase& c : cases) {
    SaverRig rig;
    rig.Defaults().Set(Key::MouseSens, c.mouseSens);
    Form1& form = rig.Load();
    int endedAt = 0;
    for (std::size_t i = 0; i < c.times.size() && endedAt == 0; ++i) {
      rig.clock.now = c.times[i];
      form.PointerMoved();
      if (form.Ended()) endedAt = static_cast<int>(i) + 1;
    }
    EXPECT_EQ(endedAt, c.endsAt) << "MouseSens " << c.mouseSens << ", " << c.times.size();
  }
}

// Each hint not yet marked as shown counts down, then its marker is stored
// once; the timer stops after 501 ticks. (What each second shows:
// Frame.HintsShowOneAtATimeWithTheirCountdown.)
TEST(HintTimer, CountsDownEachHintAndStoresItsMarkerOnce) {
  const std::string tune = Join({"W", "System", "TuneScrSvr", "True"});
  const std::string monitor = Join({"W", "System", "RunMonitor", "True"});
  // The markers as stored; the countdown after 1 and 59 seconds; the writes.
  struct Case {
    const char *tuneScrSvr, *runMonitor;
    int after1, after59;
    std::vector<std::string> writes;
  };
  const Case cases[] = {{"False", "False", 29, 1, {tune, monitor}},
                        {"True", "False", 59, 1, {monitor}},
                        {"True", "True", 0, 0, {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.tuneScrSvr) + " " + c.runMonitor);
    SaverRig rig;
    rig.Defaults().Set(Key::TuneScrSvr, c.tuneScrSvr).Set(Key::RunMonitor, c.runMonitor);
    Form1& form = rig.Load();
    rig.Seconds(1);
    EXPECT_EQ(form.scene().hints.countdown, c.after1);
    rig.Seconds(58);
    EXPECT_EQ(form.scene().hints.countdown, c.after59);
    rig.Seconds(541);
    EXPECT_EQ(form.scene().hints.countdown, 0);
    EXPECT_EQ(rig.log.Starting("W"), c.writes);
    EXPECT_EQ(rig.store.ReadSetting("System", "RunMonitor", ""), "True");
    // The hint timer stops; the other two keep ticking.
    EXPECT_EQ(rig.log.Count("E\tTimer1"), 501u);
    EXPECT_EQ(rig.log.Count("E\ttmrSound"), 600u);
    EXPECT_FALSE(form.hintTimer().enabled());
  }
}

// In a host's small preview neither hint is loaded, drawn or counted down,
// and neither marker is written, however long it runs.
TEST(HintTimer, ASmallPreviewLeavesTheHintsForTheScreen) {
  SaverRig rig;
  rig.Defaults();
  rig.oneTimeHints = false;
  Form1& form = rig.Load();
  for (int second = 0; second < 70; ++second) {
    rig.Frames(6);
    rig.Seconds(1);
    EXPECT_EQ(form.scene().hints.countdown, 0);
  }
  EXPECT_EQ(rig.log.Count("W"), 0u);
  EXPECT_EQ(rig.log.Count("C\tDrawText\tThis graphic"), 0u);
  for (const std::string& line : rig.log.Starting("C\tLoadSprite")) {
    EXPECT_EQ(line.find(".bmp\t-2"), std::string::npos) << line;  // no whole picture: no hint
  }
  EXPECT_EQ(rig.store.ReadSetting("System", "TuneScrSvr", ""), "False");
}

TEST(HintTimer, ARunEndedEarlyStoresNothing) {
  SaverRig rig;
  rig.Defaults();
  Form1& form = rig.Load();
  rig.Seconds(29);
  form.KeyEvent();
  EXPECT_EQ(rig.log.Count("W"), 0u);
  EXPECT_EQ(rig.store.ReadSetting("System", "TuneScrSvr", ""), "False");
}

// Each choice the dialog offers stops the sound after its minutes.
TEST(SoundTimer, EveryChoiceOfTheDialogStopsAfterItsMinutes) {
  for (const StopSoundChoice& choice : kStopSoundChoices) {
    if (choice.text == "Never") {
      EXPECT_EQ(StopSoundSeconds(choice.text), std::nullopt);
      continue;
    }
    EXPECT_EQ(choice.seconds, 60 * std::stoi(std::string(choice.text))) << choice.text;
    EXPECT_EQ(StopSoundSeconds(choice.text), choice.seconds) << choice.text;
  }
}

TEST(SoundTimer, StopsAllSoundsOnceTheChosenMinutesHavePassed) {
  struct StopCase {
    std::string soundOff;
    int firstStopTick;  // 0: never
  };
  for (const StopCase& c : std::vector<StopCase>{
           {"1", 60}, {"7", 1}, {"Never", 0}, {"never", 1}, {"often", 1}, {"1.0", 60}}) {
    SaverRig rig;
    rig.Defaults().Set(Key::SoundOff, c.soundOff);
    Form1& form = rig.Load();
    int firstStop = 0;
    for (int tick = 1; tick <= 70; ++tick) {
      std::size_t mark = rig.Mark();
      rig.Seconds(1);
      bool stopped = false;
      for (const std::string& line : rig.log.From(mark)) stopped |= line == "C\tStopAllSounds";
      if (stopped && firstStop == 0) firstStop = tick;
      if (firstStop != 0) {
        EXPECT_TRUE(stopped) << c.soundOff << " tick " << tick;
      }
    }
    EXPECT_EQ(firstStop, c.firstStopTick) << c.soundOff;
    EXPECT_EQ(form.engineSound().stopped(), c.firstStopTick != 0);
  }
}

}  // namespace
}  // namespace aerolark::testing
