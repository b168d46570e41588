#include "settings/ini_document.h"

#include <gtest/gtest.h>

#include <string>

namespace aerolark {
namespace {

TEST(IniDocument, ValuesSurviveTheRoundTripWhateverTheyHold) {
  const std::string values[] = {
      "",  "plain", "  leading blanks", "trailing blanks  ", "\"quoted\"", "a \"middle\" quote",
      "back\\slash", "C:\\Halvorin\\Aerolark\\Logo1.BMP", "two\nlines", "tab\there", "cr\rlf",
      "= sign = inside", "[not a section]", "; not a comment", "Grüße, 飛行機", "\x01\x7f",
      std::string(100000, 'x'), "\"", "\\", " ",
  };
  for (const std::string& value : values) {
    IniDocument doc;
    doc.Set("Startup", "Message", value);
    IniDocument again = IniDocument::Parse(doc.Serialize());
    EXPECT_EQ(again.Find("Startup", "Message"), value) << doc.Serialize().substr(0, 80);
  }
}

TEST(IniDocument, NamesMatchWithoutCaseAndKeepTheirSpelling) {
  IniDocument doc;
  doc.Set("Startup", "Background", "3");
  EXPECT_EQ(doc.Find("startup", "BackGround"), "3");
  doc.Set("STARTUP", "BACKGROUND", "2");
  EXPECT_EQ(doc.Serialize(), "[Startup]\nBackground=2\n");
}

TEST(IniDocument, HandEditedTextReadsTrimmedAndUnknownLinesSurvive) {
  const std::string text =
      "stray=outside any section\r\n"
      "; a comment\n"
      "[Startup]\n"
      "Speed = 5 \n"
      "garbage line without equals\n"
      "\"broken=\"unclosed\n"
      "=no key\n"
      "[System]\n"
      "SetReg=2";
  IniDocument doc = IniDocument::Parse(text);
  EXPECT_EQ(doc.Find("Startup", "Speed"), "5");
  EXPECT_EQ(doc.Find("Startup", "\"broken"), "\"unclosed");
  EXPECT_EQ(doc.Find("System", "SetReg"), "2");
  EXPECT_FALSE(doc.Find("Startup", "stray"));
  doc.Set("Startup", "Speed", "7");
  doc.Set("Startup", "TunePC", "6");
  EXPECT_EQ(doc.Serialize(),
            "stray=outside any section\n"
            "; a comment\n"
            "[Startup]\n"
            "Speed=7\n"
            "garbage line without equals\n"
            "\"broken=\"unclosed\n"
            "TunePC=6\n"
            "=no key\n"
            "[System]\n"
            "SetReg=2\n");
}

}  // namespace
}  // namespace aerolark
