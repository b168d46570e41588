#include "settings/conversions.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "support/files.h"

namespace aerolark {
namespace {

TEST(NumericRead, TakesTheLongestLeadingNumberIgnoringBlanks) {
  struct Case { const char* text; double expected; };
  const Case cases[] = {
      {"3", 3},           {"3abc", 3},          {" 3", 3},        {"1 2", 12},
      {"1\t2\n3", 123},   {"-784", -784},       {"+5", 5},        {"2.5", 2.5},
      {".5", 0.5},        {"5.", 5},            {"1e3", 1000},    {"1E-2", 0.01},
      {"1e", 1},          {"1e+", 1},           {"", 0},          {"abc", 0},
      {"I'd Rather be Flying", 0},              {"-", 0},         {".", 0},
      {"- 3", -3},        {"3-4", 3},           {"0x10", 0},      {"&H10", 0},
      {"NaN", 0},         {"-0", 0},            {"99999999999", 99999999999.0},
      // Huge exponents stay finite.
      {"1e400", std::numeric_limits<double>::max()}, {"-1e400", std::numeric_limits<double>::lowest()},
      {"1e-400", 0},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(NumericRead(c.text), c.expected) << '"' << c.text << '"';
  }
}

// The program runs under the user's locale for its clock; where a comma is
// the decimal separator, stored numbers must still read with their point.
TEST(NumericRead, ReadsTheSameUnderALocaleWithADecimalComma) {
  const testing::TempFolder folder("aerolark-locale");
  const std::string make =
      "localedef -i de_DE -f UTF-8 '" + folder.File("de_DE.UTF-8") + "' >/dev/null 2>&1";
  [[maybe_unused]] const int made = std::system(make.c_str());  // warnings give status 1
  ::setenv("LOCPATH", folder.path().c_str(), 1);
  const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr &&
                      std::string(std::localeconv()->decimal_point) == ",";
  if (german) {
    struct Case { const char* text; double expected; };
    for (const Case& c : {Case{"3.5", 3.5}, Case{"3.6", 3.6}, Case{"-783.5", -783.5},
                          Case{"1.5e2", 150}, Case{"2,5", 2}}) {
      EXPECT_DOUBLE_EQ(NumericRead(c.text), c.expected) << c.text;
    }
    EXPECT_EQ(StrictIntegerRead("-783.5"), -784);
    EXPECT_FALSE(StrictIntegerRead("3,5"));
  }
  std::setlocale(LC_ALL, "C");
  ::unsetenv("LOCPATH");
  if (!german) GTEST_SKIP() << "no de_DE.UTF-8 locale could be made (Debian package locales)";
}

TEST(StrictIntegerRead, WholeTextMustBeANumberRoundedHalfToEvenAndSaturated) {
  struct Case { const char* text; std::optional<int> expected; };
  const Case cases[] = {
      {"2", 2},         {" 3 ", 3},     {"-784", -784},  {"05", 5},         {"1e3", 1000},
      {"3abc", {}},     {"1 2", {}},    {"", {}},        {"Never", {}},     {"2.5", 2},
      {"3.5", 4},       {"-2.5", -2},   {"2.51", 3},     {"99999999999", 32767},
      {"-99999999999", -32768},         {"1e400", 32767},
  };
  for (const Case& c : cases) EXPECT_EQ(StrictIntegerRead(c.text), c.expected) << '"' << c.text << '"';
  EXPECT_EQ(RoundToInt32(1e300), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(RoundToInt32(-1e300), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(RoundToInt32(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(MarkerRead, AcceptsWordsInAnyCaseAndNumbers) {
  for (const char* on : {"True", "TRUE", "true", "1", "-1"}) EXPECT_TRUE(MarkerRead(on)) << on;
  for (const char* off : {"False", "fAlSe", "0", "", "yes", "Truely"}) EXPECT_FALSE(MarkerRead(off)) << off;
}

TEST(SwitchOn, OnlyTheNumberOneIsOn) {
  for (const char* on : {"1", " 1 ", "1.0", "+1"}) EXPECT_TRUE(SwitchOn(on)) << on;
  for (const char* off : {"0", "2", "-1", "0.5", "", "1x", "True"}) EXPECT_FALSE(SwitchOn(off)) << off;
}

}  // namespace
}  // namespace aerolark
