// The pacing the real loop follows, the letterbox and picture headers: what
// the drivers work out without any library.

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

#include "drivers/software/event_pacer.h"
#include "drivers/software/letterbox.h"
#include "drivers/software/picture_header.h"
#include "drivers/x11/x_image_presenter.h"
#if defined(None) || defined(Bool) || defined(Status)
#error "drivers/x11/x_image_presenter.h must keep Xlib's macros from its includers"
#endif

namespace aerolark {
namespace {

// The loop wakes once a refresh and runs what fell due since: as many frames
// as waking for each would raise, each second's tick after the frames due up
// to it. A slow present is caught up; after a stop of seconds the frame clock
// starts afresh with one frame rather than racing, and missed seconds are
// not ticked again.
TEST(EventPacing, EachWakeRunsTheFramesDueAroundTheTick) {
  EventPacer pacer(0.0, 60.0);
  std::int64_t frames = 0;
  std::vector<std::int64_t> ticksAfter;
  const auto wake = [&](double now) {
    const EventPacer::Burst burst = pacer.TakeDue(now);
    frames += burst.framesBeforeTick;
    if (burst.secondTick) ticksAfter.push_back(frames);
    frames += burst.framesAfterTick;
    pacer.Presented(now);
    return burst;
  };
  while (pacer.NextWake() < 10.001) {
    const EventPacer::Burst burst = wake(pacer.NextWake() + 0.0003);  // woken a little late
    EXPECT_LE(burst.framesBeforeTick + burst.framesAfterTick, 7);
  }
  EXPECT_EQ(frames, 3600);
  EXPECT_EQ(ticksAfter, (std::vector<std::int64_t>{360, 720, 1080, 1440, 1800, 2160, 2520,
                                                    2880, 3240, 3600}));
  wake(10.2501);
  EXPECT_EQ(frames, 3690);
  // A late present puts the next one a whole refresh later, not at once.
  EXPECT_FALSE(pacer.PresentDue(10.26));
  EXPECT_TRUE(pacer.PresentDue(10.2501 + 1.0 / 60.0));

  const EventPacer::Burst resumed = wake(30.0);
  EXPECT_EQ(resumed.framesBeforeTick, 1);
  EXPECT_TRUE(resumed.secondTick);
  EXPECT_EQ(resumed.framesAfterTick, 0);
  EXPECT_FALSE(wake(30.5).secondTick);
  EXPECT_TRUE(wake(31.001).secondTick);
  EXPECT_EQ(frames, 3690 + 1 + 360);
}

TEST(Letterbox, KeepsTheShapeCentredWithBars) {
  EXPECT_EQ(Letterbox(800, 600, 1920, 1080), (Box{240, 0, 1680, 1080}));
  EXPECT_EQ(Letterbox(800, 600, 1024, 768), (Box{0, 0, 1024, 768}));
  EXPECT_EQ(Letterbox(800, 600, 1280, 1024), (Box{0, 32, 1280, 992}));
  EXPECT_EQ(Letterbox(800, 600, 400, 400), (Box{0, 50, 400, 350}));
  EXPECT_EQ(Letterbox(800, 600, 1, 1), (Box{0, 0, 1, 1}));
  EXPECT_EQ(Letterbox(800, 600, 0, 300), (Box{}));
}

// The size limits are checked on these before anything is decoded.
TEST(PictureHeaders, DimensionsAreReadWithoutDecoding) {
  using Size = std::pair<std::int64_t, std::int64_t>;
  std::vector<std::uint8_t> bmp(26, 0);
  bmp[0] = 'B'; bmp[1] = 'M'; bmp[14] = 40;
  bmp[18] = 0x10; bmp[22] = 0xF0; bmp[23] = 0xFF; bmp[24] = 0xFF; bmp[25] = 0xFF;  // 16 x -16
  const std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0, 0, 0, 13,
                                         'I', 'H', 'D', 'R', 0, 0, 0xEA, 0x60, 0, 0, 0, 2};
  // A GIF whose first image is larger than its screen, after an extension.
  const std::vector<std::uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0, 0, 0,
                                         0x21, 0xF9, 4, 0, 0, 0, 0, 0,
                                         0x2C, 0, 0, 0, 0, 0x60, 0xEA, 3, 0, 0};
  const std::vector<std::uint8_t> jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 0, 0,  // progressive
                                          0xFF, 0xC2, 0, 11, 8, 0x02, 0x58, 0x03, 0x20, 3};
  const std::pair<std::vector<std::uint8_t>, std::optional<Size>> cases[] = {
      {bmp, Size{16, 16}},
      {png, Size{60000, 2}},
      {gif, Size{60000, 3}},
      {jpeg, Size{800, 600}},
      {{'B', 'M', 0}, std::nullopt},
      {{'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0, 0, 0, 0x21, 0xF9, 200}, std::nullopt},
      {{0xFF, 0xD8, 0xFF, 0xE0, 0xFF, 0xFF}, std::nullopt},
      {{'R', 'I', 'F', 'F'}, std::nullopt},
  };
  for (const auto& [bytes, size] : cases) {
    const auto header = ReadPictureHeader(bytes);
    ASSERT_EQ(header.has_value(), size.has_value());
    if (header) {
      EXPECT_EQ(Size(header->width, header->height), *size);
    }
  }
}

}  // namespace
}  // namespace aerolark
