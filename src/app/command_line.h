#pragma once
// The command line of a Windows screen saver: a switch names the mode.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace aerolark {

enum class Mode { Saver, Preview, Configuration, Password, None };

// Everything after the program's name, joined by blanks, trimmed and lowered.
std::string ArgumentText(const std::vector<std::string>& arguments);
// The first two characters of the argument text.
std::string_view SwitchOf(std::string_view argumentText);
Mode ModeOf(std::string_view switchText);
// The mode the whole argument text names: its switch's, or saver mode for a
// text that begins with the `--window-id <id>` XScreenSaver's settings append
// to a saver's command line when that line has no switch of its own.
Mode ModeOfArgumentText(std::string_view argumentText);
// The number of the longest suffix of the text that reads as a number
// (blanks around it allowed), rounded to 32 bits; 0 when none does.
std::int32_t ParentWindowOf(std::string_view argumentText);

}  // namespace aerolark
