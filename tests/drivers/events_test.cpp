// Event timing: the headless simulated clock and the pacing the
// real loop follows.

#include <gtest/gtest.h>

#include "drivers/headless/headless_events.h"
#include "drivers/software/event_pacer.h"
#include "drivers/software/letterbox.h"
#include "drivers/software/picture_header.h"
#include "drivers/recording_sink.h"

namespace aerolark {
namespace {

using testing::Recorded;
using testing::RecordingSink;

TEST(HeadlessEvents, SecondsTickEvery360FramesAndTheBudgetBoundsARun) {
  HeadlessEvents driver;
  RecordingSink sink;
  driver.SetEventBudget(1000);
  driver.RunEvents(sink);
  EXPECT_EQ(sink.frames, 1000u);
  EXPECT_EQ(sink.recorded, (std::vector<Recorded>{{"SecondTick", 360}, {"SecondTick", 720}}));
  driver.RunEvents(sink);  // the clock goes on where it stopped
  EXPECT_EQ(sink.frames, 2000u);
  EXPECT_EQ(sink.recorded.back(), (Recorded{"SecondTick", 1800}));
  EXPECT_DOUBLE_EQ(driver.SimulatedSeconds(), 2000.0 / 360.0);
}

TEST(HeadlessEvents, ScriptedInputArrivesAtItsFrameAndTheLoopStopsWhenTheSinkEnds) {
  HeadlessEvents driver;
  driver.Script({50, InputKind::kPointer, 10, 10});   // first report: only places the pointer
  driver.Script({60, InputKind::kPointer, 10, 10});   // unchanged
  driver.Script({70, InputKind::kPointer, 11, 10});
  driver.Script({80, InputKind::kButton});
  driver.Script({400, InputKind::kKey});
  driver.Script({400, InputKind::kButton});           // after the end: never raised
  RecordingSink sink;
  driver.RunEvents(sink);
  EXPECT_EQ(sink.recorded, (std::vector<Recorded>{{"PointerMoved", 70},
                                                  {"ButtonEvent", 80},
                                                  {"SecondTick", 360},
                                                  {"KeyEvent", 400}}));
  EXPECT_EQ(driver.FramesRaised(), 400u);
}

TEST(HeadlessEvents, AnEndDuringAFrameStopsAtOnceAndMessageBoxesAreRecorded) {
  HeadlessEvents driver;
  RecordingSink sink;
  sink.frameLimit = 360;  // ends inside the 360th DrawFrame: no SecondTick follows
  driver.RunEvents(sink);
  EXPECT_TRUE(sink.recorded.empty());
  EXPECT_FALSE(driver.ShowMessageBox("Title", "Text"));
  ASSERT_EQ(driver.Messages().size(), 1u);
  EXPECT_EQ(driver.Messages()[0].text, "Text");
}

TEST(EventPacing, FramesComeAt360PerSecondWithCatchUpButNoRaceAfterAPause) {
  EventPacer pacer(100.0, 60.0);
  std::int64_t frames = 0;
  int ticks = 0;
  for (double t = 100.0; t < 102.0; t += 0.004) {  // a loop waking every 4 ms
    frames += pacer.TakeDueFrames(t);
    ticks += pacer.TakeSecondTick(t);
  }
  EXPECT_NEAR(frames, 720, 2);
  EXPECT_EQ(ticks, 1);  // the one at 101 s; the one at 102 s is not yet due
  EXPECT_EQ(frames + pacer.TakeDueFrames(102.25), 810);  // a slow present: caught up
  EXPECT_TRUE(pacer.TakeSecondTick(102.25));
  EXPECT_EQ(pacer.TakeDueFrames(110.0), 1);    // stopped for seconds: start afresh
  EXPECT_TRUE(pacer.TakeSecondTick(110.0));
  EXPECT_FALSE(pacer.TakeSecondTick(110.5));   // missed seconds are not repeated
  EXPECT_TRUE(pacer.TakeSecondTick(111.0));
  EXPECT_EQ(pacer.TakeDueFrames(111.0), 360);
}

// The loop wakes once a refresh and runs what fell due since, in order: as
// many frames as waking for each would raise, each second's tick after the
// frames due up to it, as the simulated clock raises them.
TEST(EventPacing, AWakeUpARefreshRunsTheDueFramesInOrderAroundTheTick) {
  EventPacer pacer(0.0, 60.0);
  std::int64_t frames = 0;
  std::vector<std::int64_t> ticksAfter;
  int wakes = 0;
  while (pacer.NextWake() < 10.001) {
    const double now = pacer.NextWake() + 0.0003;  // woken a little late
    const EventPacer::Burst burst = pacer.TakeDue(now);
    frames += burst.framesBeforeTick;
    if (burst.secondTick) ticksAfter.push_back(frames);
    frames += burst.framesAfterTick;
    EXPECT_LE(burst.framesBeforeTick + burst.framesAfterTick, 7);
    pacer.Presented(now);
    ++wakes;
  }
  EXPECT_NEAR(wakes, 601, 1);
  EXPECT_EQ(frames, 3600);
  ASSERT_EQ(ticksAfter.size(), 10u);
  for (std::size_t i = 0; i < ticksAfter.size(); ++i) {
    EXPECT_EQ(ticksAfter[i], 360 * static_cast<std::int64_t>(i + 1));
  }
  // After a stop of seconds the one fresh frame still comes before the tick.
  const EventPacer::Burst late = pacer.TakeDue(30.0);
  EXPECT_EQ(late.framesBeforeTick, 1);
  EXPECT_TRUE(late.secondTick);
  EXPECT_EQ(late.framesAfterTick, 0);
}

TEST(EventPacing, PresentsKeepTheRefreshCadence) {
  EventPacer pacer(0.0, 60.0);
  EXPECT_TRUE(pacer.PresentDue(0.0));
  pacer.Presented(0.0);
  EXPECT_FALSE(pacer.PresentDue(0.01));
  EXPECT_NEAR(pacer.NextWake(), 1.0 / 60.0, 1e-9);  // frames wait for the present
  EXPECT_TRUE(pacer.PresentDue(1.0 / 60.0));
  pacer.Presented(0.5);  // late: the next one a whole period later, not at once
  EXPECT_FALSE(pacer.PresentDue(0.51));
  EXPECT_TRUE(pacer.PresentDue(0.5 + 1.0 / 60.0));
}

TEST(Letterbox, KeepsTheShapeCentredWithBars) {
  EXPECT_EQ(Letterbox(800, 600, 1920, 1080), (Box{240, 0, 1680, 1080}));
  EXPECT_EQ(Letterbox(800, 600, 1024, 768), (Box{0, 0, 1024, 768}));
  EXPECT_EQ(Letterbox(800, 600, 1280, 1024), (Box{0, 32, 1280, 992}));
  EXPECT_EQ(Letterbox(800, 600, 400, 400), (Box{0, 50, 400, 350}));
  EXPECT_EQ(Letterbox(800, 600, 1, 1), (Box{0, 0, 1, 1}));
  EXPECT_EQ(Letterbox(800, 600, 0, 300), (Box{}));
}

TEST(PictureHeaders, DimensionsAreReadWithoutDecoding) {
  struct Case {
    std::vector<std::uint8_t> bytes;
    std::optional<std::pair<std::int64_t, std::int64_t>> size;
  };
  std::vector<std::uint8_t> bmp(26, 0);
  bmp[0] = 'B'; bmp[1] = 'M'; bmp[14] = 40;
  bmp[18] = 0x10; bmp[22] = 0xF0; bmp[23] = 0xFF; bmp[24] = 0xFF; bmp[25] = 0xFF;  // 16 x -16
  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0, 0, 0, 13,
                                   'I', 'H', 'D', 'R', 0, 0, 0xEA, 0x60, 0, 0, 0, 2};
  // A GIF whose first image is larger than its screen, after an extension.
  std::vector<std::uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0, 0, 0,
                                   0x21, 0xF9, 4, 0, 0, 0, 0, 0,
                                   0x2C, 0, 0, 0, 0, 0x60, 0xEA, 3, 0, 0};
  std::vector<std::uint8_t> jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 0, 0,
                                    0xFF, 0xC2, 0, 11, 8, 0x02, 0x58, 0x03, 0x20, 3};
  const Case cases[] = {
      {bmp, std::pair<std::int64_t, std::int64_t>{16, 16}},
      {png, std::pair<std::int64_t, std::int64_t>{60000, 2}},
      {gif, std::pair<std::int64_t, std::int64_t>{60000, 3}},
      {jpeg, std::pair<std::int64_t, std::int64_t>{800, 600}},
      {{'B', 'M', 0}, std::nullopt},
      {{'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0, 0, 0, 0x21, 0xF9, 200}, std::nullopt},
      {{0xFF, 0xD8, 0xFF, 0xE0, 0xFF, 0xFF}, std::nullopt},
      {{'R', 'I', 'F', 'F'}, std::nullopt},
  };
  for (const Case& c : cases) {
    const auto header = ReadPictureHeader(c.bytes);
    ASSERT_EQ(header.has_value(), c.size.has_value());
    if (header) {
      EXPECT_EQ(std::make_pair(header->width, header->height), *c.size);
    }
  }
}

}  // namespace
}  // namespace aerolark
