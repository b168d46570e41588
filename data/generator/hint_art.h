#pragma once
#include "raster.h"

namespace aerolark::art {

// The two one-time hints, shown at (150, 250) under two yellow text lines.
inline constexpr int kHintWidth = 500;
inline constexpr int kHintHeight = 300;

// The system the pictures are drawn for: the hints say where its settings are.
enum class TargetSystem { Linux, Windows };

// TuneMsg.bmp: how to slow the planes down.
Raster MakeTuneHintPicture(TargetSystem system);
// monitor.bmp: what the saver needs from the display, and where the settings are.
Raster MakeMonitorHintPicture(TargetSystem system);

}  // namespace aerolark::art
