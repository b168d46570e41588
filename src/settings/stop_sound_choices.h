#pragma once
// The stop-sound choices as the dialog lists and stores them, "Never", then
// minutes, each with the seconds of running after which the saver silences
// the engine. The saver recognises exactly these, so both read this table.

#include <array>
#include <cstdint>
#include <string_view>

namespace aerolark {

struct StopSoundChoice {
  std::string_view text;
  std::int16_t seconds;  // 0 for "Never"; the largest still fits 16 bits
};

inline constexpr std::array<StopSoundChoice, 20> kStopSoundChoices = {{
    {"Never", 0},   {"1", 60},       {"2", 120},      {"3", 180},      {"4", 240},
    {"5", 300},     {"10", 600},     {"15", 900},     {"20", 1200},    {"30", 1800},
    {"45", 2700},   {"60", 3600},    {"90", 5400},    {"120", 7200},   {"180", 10800},
    {"240", 14400}, {"300", 18000},  {"360", 21600},  {"420", 25200},  {"480", 28800},
}};

}  // namespace aerolark
