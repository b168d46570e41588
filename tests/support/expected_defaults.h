#pragma once
// What the first start of the saver must write, in order, spelled out here
// once for every test that checks it (not derived from the program's table).

#include <string>
#include <vector>

namespace aerolark::testing {

struct ExpectedSetting {
  std::string section, key, value;
  bool operator==(const ExpectedSetting&) const = default;
};

// `installFolder` ends with '/'.
inline std::vector<ExpectedSetting> FirstRunDefaults(const std::string& installFolder) {
  const std::string s = "Startup", y = "System";
  return {{s, "Background", "3"},        {s, "BGFreq", "36"},
          {s, "BMPFileName", installFolder + "Sunset Red.BMP"},
          {s, "Clock", "1"},             {s, "FontClock", "16"},       {s, "FontName", "Arial"},
          {s, "FontSize", "30"},         {s, "LogoChecked", "0"},
          {s, "LogoFileName", installFolder + "Logo1.BMP"},
          {s, "Message", "I'd Rather be Flying"},                      {s, "MessageChecked", "0"},
          {s, "MouseSens", "4"},         {s, "PlaneBG", "1"},          {s, "Prop", "1"},
          {s, "SecDelay", "30"},         {s, "SelectedFont", "4"},     {s, "SelectedFontSize", "3"},
          {s, "Speed", "3"},             {s, "TunePC", "6"},           {s, "Volume", "-784"},
          {y, "PwrSave", "0"},           {y, "PwrMsg", "False"},       {y, "RunMonitor", "False"},
          {y, "SoundOff", "Never"},      {y, "TuneScrSvr", "False"},   {y, "SetReg", "2"}};
}

}  // namespace aerolark::testing
