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
  return {
      {"Startup", "Background", "3"},
      {"Startup", "BGFreq", "36"},
      {"Startup", "BMPFileName", installFolder + "Sunset Red.BMP"},
      {"Startup", "Clock", "1"},
      {"Startup", "FontClock", "16"},
      {"Startup", "FontName", "Arial"},
      {"Startup", "FontSize", "30"},
      {"Startup", "LogoChecked", "0"},
      {"Startup", "LogoFileName", installFolder + "Logo1.BMP"},
      {"Startup", "Message", "I'd Rather be Flying"},
      {"Startup", "MessageChecked", "0"},
      {"Startup", "MouseSens", "4"},
      {"Startup", "PlaneBG", "1"},
      {"Startup", "Prop", "1"},
      {"Startup", "SecDelay", "30"},
      {"Startup", "SelectedFont", "4"},
      {"Startup", "SelectedFontSize", "3"},
      {"Startup", "Speed", "3"},
      {"Startup", "TunePC", "6"},
      {"Startup", "Volume", "-784"},
      {"System", "PwrSave", "0"},
      {"System", "PwrMsg", "False"},
      {"System", "RunMonitor", "False"},
      {"System", "SoundOff", "Never"},
      {"System", "TuneScrSvr", "False"},
      {"System", "SetReg", "2"},
  };
}

}  // namespace aerolark::testing
