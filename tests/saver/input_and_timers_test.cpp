// Pointer movement's counting window, the hint timer, the pause timer and
// the sound timer.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "assets/engine_sound.h"
#include "saver_rig.h"

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
    if (!form.Ended()) {
      form.KeyEvent();  // keys end it whatever MouseSens says
      EXPECT_TRUE(form.Ended());
    }
  }
}

std::vector<int> CountdownAfterEachTick(SaverRig& rig, Form1& form, int ticks) {
  std::vector<int> countdowns;
  for (int i = 0; i < ticks; ++i) {
    rig.Seconds(1);
    countdowns.push_back(form.scene().hints.countdown);
  }
  return countdowns;
}

TEST(HintTimer, CountsDownEachHintAndStoresItsMarkerOnce) {
  SaverRig rig;
  rig.Defaults();
  Form1& form = rig.Load();
  EXPECT_EQ(form.scene().hints.countdown, 0);
  std::vector<int> c = CountdownAfterEachTick(rig, form, 600);
  EXPECT_EQ(c[0], 29);
  EXPECT_EQ(c[28], 1);
  EXPECT_EQ(c[29], 30);  // tick 30: the first hint ends, the second starts at once
  EXPECT_EQ(c[58], 1);
  EXPECT_EQ(c[59], 0);
  EXPECT_EQ(c[599], 0);
  EXPECT_EQ(rig.log.Starting("W"),
            (std::vector<std::string>{Join({"W", "System", "TuneScrSvr", "True"}),
                                      Join({"W", "System", "RunMonitor", "True"})}));
  EXPECT_EQ(rig.store.ReadSetting("System", "TuneScrSvr", ""), "True");
  // 501 ticks, then the timer stays off; the other two keep ticking.
  EXPECT_EQ(rig.log.Count("E\tTimer1"), 501u);
  EXPECT_EQ(rig.log.Count("E\ttmrPause"), 600u);
  EXPECT_EQ(rig.log.Count("E\ttmrSound"), 600u);
  EXPECT_FALSE(form.hintTimer().enabled());
}

TEST(HintTimer, MarkersAlreadyStored) {
  SaverRig onlyMonitor;
  onlyMonitor.Defaults().Set(Key::TuneScrSvr, "True");
  Form1& form = onlyMonitor.Load();
  std::vector<int> c = CountdownAfterEachTick(onlyMonitor, form, 61);
  EXPECT_EQ(c[0], 59);
  EXPECT_EQ(c[59], 0);
  EXPECT_EQ(onlyMonitor.log.Starting("W"),
            std::vector<std::string>{Join({"W", "System", "RunMonitor", "True"})});

  SaverRig both;
  both.Defaults().HintsShown();
  Form1& quiet = both.Load();
  both.Seconds(520);
  EXPECT_EQ(both.log.Count("W"), 0u);
  EXPECT_EQ(both.log.Count("E\tTimer1"), 501u);
  EXPECT_EQ(quiet.scene().hints.countdown, 0);
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

TEST(PauseTimer, WaitCountsWrapPastTheirIntervals) {
  SaverRig rig;
  rig.Defaults().Set(Key::SecDelay, "30").Set(Key::BGFreq, "36");
  Form1& form = rig.Load();
  for (int tick = 1; tick <= 80; ++tick) {
    rig.Seconds(1);
    EXPECT_EQ(form.scene().crossers.aircraft().wait, tick % 31) << tick;
    EXPECT_EQ(form.scene().crossers.backgroundPlane().wait, tick % 37) << tick;
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
    if (c.soundOff == "Never") {
      EXPECT_EQ(form.engineSound().secondsCounted(), 0);
    }
  }
}

TEST(SoundTimer, SecondsWrapPastADayAndStopsPauseUntilTheTimeComesAgain) {
  CallLog log;
  StubSound device;
  TracedSound sound(device, log);
  EngineSound engine(sound);
  engine.Configure("480", -784);  // 28800 seconds
  std::vector<int> stopTicks;
  for (int tick = 1; tick <= 86398 + 28801; ++tick) {
    std::size_t before = log.lines().size();
    engine.CountSecond();
    if (log.lines().size() != before) stopTicks.push_back(tick);
  }
  // Stops from 28800 up to and including the tick that wraps (86399), then
  // again once the count has reached 28800 anew.
  ASSERT_FALSE(stopTicks.empty());
  EXPECT_EQ(stopTicks.front(), 28800);
  auto resumed = std::find(stopTicks.begin(), stopTicks.end(), 86399 + 28800);
  EXPECT_NE(resumed, stopTicks.end());
  EXPECT_EQ(std::count_if(stopTicks.begin(), stopTicks.end(),
                          [](int t) { return t > 86399 && t < 86399 + 28800; }),
            0);
  EXPECT_EQ(std::count(stopTicks.begin(), stopTicks.end(), 86399), 1);
}

TEST(SoundTimer, StopTableRecognisesOnlyTheDialogsChoices) {
  EXPECT_EQ(StopSoundSeconds("45"), 2700);
  EXPECT_EQ(StopSoundSeconds("480"), 28800);
  EXPECT_EQ(StopSoundSeconds(" 90 "), 5400);
  EXPECT_EQ(StopSoundSeconds("7"), std::nullopt);
  EXPECT_EQ(StopSoundSeconds("5 minutes"), std::nullopt);
  EXPECT_EQ(StopSoundSeconds("Never"), std::nullopt);
  EXPECT_EQ(StopSoundSeconds("0"), std::nullopt);  // "Never" is listed as 0 minutes
}

TEST(SoundTimer, ClockTextIsTheLoadTimeUntilTheFirstTick) {
  SaverRig rig;
  rig.Defaults().HintsShown();
  rig.clock.timeOfDay = "09:15:00";
  Form1& form = rig.Load();
  EXPECT_EQ(form.scene().overlays.clockTime(), "09:15:00");
  rig.clock.timeOfDay = "09:15:01";
  rig.Seconds(1);
  EXPECT_EQ(form.scene().overlays.clockTime(), "09:15:01");
}

}  // namespace
}  // namespace aerolark::testing
