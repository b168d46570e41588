#pragma once
// What the environment and a host tell the saver about where to draw.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aerolark {

// A window id written in hexadecimal (0x...) or decimal; nothing for any
// other text, zero or a number too large for an X11 id.
std::optional<unsigned long> ParseWindowId(std::string_view text);

// The variables the program heeds, read once at start; unset reads empty.
struct ProgramEnvironment {
  std::string windowed;            // AEROLARK_WINDOWED
  std::string xscreensaverWindow;  // XSCREENSAVER_WINDOW
  std::string tracePath;           // AEROLARK_TRACE
  std::string statsPath;           // AEROLARK_STATS
  std::string display;             // DISPLAY
};

ProgramEnvironment ReadProgramEnvironment();

struct SaverPlacement {
  bool windowed = false;                    // AEROLARK_WINDOWED=1
  std::optional<unsigned long> hostWindow;  // XSCREENSAVER_WINDOW, or --window-id
};

// From AEROLARK_WINDOWED, XSCREENSAVER_WINDOW and a `--window-id <id>` that
// XScreenSaver's settings program may append to the command line.
SaverPlacement PlacementFrom(const std::vector<std::string>& arguments,
                             const ProgramEnvironment& environment);

}  // namespace aerolark
