// Widening by arithmetic serves only where it gives SDL's table for every colour,
// and scaling through it (a row's span widened once) samples as the table does.

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "drivers/sdl/x11_bridge.h"
#include "drivers/software/nearest_scale.h"
#include "drivers/software/rgb565_widening.h"

namespace aerolark {
namespace {

const std::vector<std::uint8_t> kSdlTable = SdlColourTable({32, 0xFF0000, 0xFF00, 0xFF});

TEST(ColourWidening, GivesSdlsPixelsOnlyWhereItsTableHoldsThem) {
  const auto fill = WideningFillOf(kSdlTable.data());
  ASSERT_TRUE(fill.has_value());
  // Any row length and any start of the row in memory, vector steps or not.
  std::vector<std::uint16_t> colours(65536);
  for (std::size_t i = 0; i < colours.size(); ++i) colours[i] = static_cast<std::uint16_t>(i);
  std::vector<std::uint8_t> row(65536 * 4 + 3);
  WidenRgb565Row(colours.data(), row.data() + 3, 65536, *fill);
  EXPECT_EQ(0, std::memcmp(row.data() + 3, kSdlTable.data(), kSdlTable.size()));
  for (int length = 1; length <= 19; ++length) {
    const int first = 40000 + length * 37;
    WidenRgb565Row(colours.data() + first, row.data() + 1, length, *fill);
    EXPECT_EQ(0, std::memcmp(row.data() + 1, kSdlTable.data() + first * 4, length * 4)) << length;
  }
  // Channels swapped, or one colour off by one: the table stays in use.
  EXPECT_FALSE(WideningFillOf(SdlColourTable({32, 0xFF, 0xFF00, 0xFF0000}).data()));
  std::vector<std::uint8_t> changed = kSdlTable;
  changed[0x7BEF * 4] ^= 1;
  EXPECT_FALSE(WideningFillOf(changed.data()));
}

TEST(ColourWidening, ScalesEveryPartAsTheTableDoes) {
  const std::uint32_t fill = WideningFillOf(kSdlTable.data()).value();
  std::vector<std::uint16_t> frame(800 * 600);
  std::mt19937 random(7);
  for (auto& pixel : frame) pixel = static_cast<std::uint16_t>(random());
  // Up, down, the same width; parts at the edges and inside.
  for (const Box target : {Box{240, 0, 1680, 1080}, Box{0, 0, 400, 300}, Box{0, 0, 800, 600},
                           Box{3, 5, 1027, 773}}) {
    NearestScale scale(800, 600, target);
    const int pitch = target.right * 4 + 12;
    std::vector<std::uint8_t> byTable(pitch * target.bottom), widened(byTable.size());
    for (const Box part : {Box{0, 0, 800, 600}, Box{1, 2, 9, 3}, Box{797, 590, 800, 600},
                           Box{100, 200, 183, 241}}) {
      const Box area = scale.Covering(part);
      scale.ScaleColours(frame.data(), 800, kSdlTable.data(), byTable.data(), pitch, 4, area);
      scale.ScaleWidened(frame.data(), 800, fill, widened.data(), pitch, area);
      EXPECT_EQ(byTable, widened) << target.right << " x " << target.bottom << ", part at "
                                  << part.left << ", " << part.top;
    }
  }
}

}  // namespace
}  // namespace aerolark
