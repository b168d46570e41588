#include "settings/utf16.h"

#include <gtest/gtest.h>

#include <string>

namespace aerolark {
namespace {

TEST(Utf16, EveryUtf16TextComesBackUnchanged) {
  const std::u16string texts[] = {
      u"",
      u"I'd Rather be Flying",
      u"C:\\Users\\J\u00fcrgen\\Sunset Red.BMP",
      u"\u2708 \U0001F600 \u4e2d",                       // a pair of surrogates: one character
      std::u16string{u'a', char16_t(0xD800), u'b'},       // lone high surrogate
      std::u16string{char16_t(0xDC00), u'x'},             // lone low surrogate
      std::u16string{char16_t(0xDBFF)},                   // high surrogate at the end
      std::u16string{char16_t(0xDC00), char16_t(0xD800)}, // low then high: two lone ones
      std::u16string{u'a', u'\0', u'b'},
  };
  for (const std::u16string& text : texts) {
    std::optional<std::u16string> back = Utf16FromUtf8(Utf8FromUtf16(text));
    ASSERT_TRUE(back.has_value()) << Utf8FromUtf16(text);
    EXPECT_EQ(*back, text) << Utf8FromUtf16(text);
  }
}

TEST(Utf16, ValidUtf8ConvertsAsUtf8) {
  EXPECT_EQ(Utf16FromUtf8("J\xc3\xbcrgen"), u"J\u00fcrgen");
  EXPECT_EQ(Utf16FromUtf8("\xf0\x9f\x98\x80"), u"\U0001F600");
  EXPECT_EQ(Utf8FromUtf16(u"\U0001F600"), "\xf0\x9f\x98\x80");
  EXPECT_EQ(Utf16FromUtf8("\xf4\x8f\xbf\xbf"), u"\U0010FFFF");
}

// Text that would not come back as it was written is refused, never
// replaced by something close to it.
TEST(Utf16, BytesThatAreNotUtf8AreRefused) {
  const std::string refused[] = {
      "\xff",              "\x80",             "A\xc3",         // stray, continuation, cut short
      "\xc0\xaf",          "\xe0\x80\xaf",     "\xf0\x80\x80\xaf",  // overlong forms
      "\xf4\x90\x80\x80",  "\xf8\x88\x80\x80\x80",              // beyond U+10FFFF
      "\xed\xa0\x80\xed\xb0\x80",                               // a pair written as two lone halves
      "\xe2\x9c",                                               // cut three-byte sequence
  };
  for (const std::string& bytes : refused) {
    EXPECT_FALSE(Utf16FromUtf8(bytes).has_value()) << testing::PrintToString(bytes);
  }
}

}  // namespace
}  // namespace aerolark
