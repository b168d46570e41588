// Command lines far longer than any desktop passes: the parent window is
// still read from the longest numeric suffix, and reading it finishes (the
// first way of reading took hours on a megabyte).

#include <gtest/gtest.h>

#include <string>

#include "app/command_line.h"

namespace aerolark {
namespace {

TEST(LongCommandLine, ParentWindowOfAMegabyteOfDigitsThatFailsLate) {
  const std::string digits(1 << 20, '1');
  EXPECT_EQ(ParentWindowOf("/p " + digits + "-x"), 0);
  EXPECT_EQ(ParentWindowOf("/p " + digits + "-7"), -7);
  EXPECT_EQ(ParentWindowOf("/p " + digits + "+"), 0);
  // A megabyte that is one number saturates to the largest window handle.
  EXPECT_EQ(ParentWindowOf("/p " + digits), INT32_MAX);
  EXPECT_EQ(ParentWindowOf("/p " + std::string(1 << 20, ' ') + "1234  "), 1234);
  EXPECT_EQ(ParentWindowOf(std::string(1 << 20, '.') + "5e2"), 50);  // ".5e2"
}

}  // namespace
}  // namespace aerolark
