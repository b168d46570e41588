#pragma once
// The stop-sound choices as the dialog lists and stores them: "Never", then
// minutes. The saver recognises exactly these numbers, so both read this one
// list.

#include <array>
#include <string_view>

namespace aerolark {

inline constexpr std::array<std::string_view, 20> kStopSoundChoices = {
    "Never", "1",  "2",  "3",   "4",   "5",   "10",  "15",  "20",  "30",
    "45",    "60", "90", "120", "180", "240", "300", "360", "420", "480",
};

}  // namespace aerolark
