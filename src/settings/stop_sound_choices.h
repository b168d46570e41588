#pragma once
// The stop-sound choices, in the order the dialog lists them: "Never", then
// minutes. The saver recognises exactly these, so both read this one table.

#include <array>
#include <cstdint>
#include <string_view>

namespace aerolark {

struct StopSoundChoice {
  std::string_view text;  // as listed and stored
  std::int16_t minutes;   // 0 for "Never"
};

inline constexpr std::array<StopSoundChoice, 20> kStopSoundChoices = {{
    {"Never", 0}, {"1", 1},     {"2", 2},     {"3", 3},     {"4", 4},
    {"5", 5},     {"10", 10},   {"15", 15},   {"20", 20},   {"30", 30},
    {"45", 45},   {"60", 60},   {"90", 90},   {"120", 120}, {"180", 180},
    {"240", 240}, {"300", 300}, {"360", 360}, {"420", 420}, {"480", 480},
}};

}  // namespace aerolark
