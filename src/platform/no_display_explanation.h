#pragma once
// What every mode that needs a window says when no display can be opened.

#include <string>
#include <string_view>

namespace aerolark {

// `display` is DISPLAY's value; `switchText` the mode's switch ("/s", "/c", ...),
// used in the example of how to run it.
inline std::string NoDisplayExplanation(const std::string& display, std::string_view switchText) {
  const std::string what =
      display.empty() ? "DISPLAY is not set"
                      : "the X server DISPLAY names (\"" + display +
                            "\") cannot be reached: it is not running, or this user may not use it";
  std::string text = "aerolark: no display could be opened: " + what +
                     ".\nRun it inside a desktop session, or set DISPLAY to a running X server, "
                     "for example: DISPLAY=:0 aerolark " +
                     std::string(switchText);
  if (switchText == "/s") {
    text += "\n(AEROLARK_WINDOWED=1 shows it in an ordinary window instead of covering the screen.)";
  }
  return text;
}

}  // namespace aerolark
