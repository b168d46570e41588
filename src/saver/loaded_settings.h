#pragma once
// The settings the saver window reads once while it loads, in the order it
// reads them. Later changes to them take effect at the next start.

#include <cstdint>
#include <string>

#include "settings/settings.h"

namespace aerolark {

struct LoadedSettings {
  double backGround = 0;
  double speed = 0;
  double messageChecked = 0;
  double logoChecked = 0;
  std::string fontName;
  std::string bgFreq;          // seconds, as stored
  double secDelay = 0;
  std::string fontSize;        // text size, as stored
  std::int16_t tunePC = 0;
  double mouseSens = 0;
  double clock = 0;
  std::int16_t fontClock = 0;
  std::string soundOffText;    // "Never" or minutes
  std::int16_t volume = 0;
};

// Reads the fourteen settings in order. A Volume that is no number reads as
// the stored default.
LoadedSettings ReadLoadedSettings(Settings& settings);

}  // namespace aerolark
