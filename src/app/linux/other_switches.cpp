#include "app/linux/other_switches.h"

#include <algorithm>
#include <cctype>

#include "setup/setup_logic.h"

namespace aerolark {
namespace {

constexpr const char* kUsage =
    "Usage: aerolark [/s | /c | /p <window id> | /a]\n"
    "\n"
    "  /s, or no switch   run the saver, covering the screen\n"
    "  /c                 open the settings dialog; every change is stored at once\n"
    "  /p <window id>     show a still preview inside that X11 window (decimal id)\n"
    "  /a                 explain that the desktop's lock screen uses your login password\n"
    "  --help, -h, /?     show this text\n"
    "  --version          show the version\n"
    "\n"
    "AEROLARK_WINDOWED=1 shows the saver in an ordinary window; XSCREENSAVER_WINDOW\n"
    "names a window to draw into. Settings: $XDG_CONFIG_HOME/aerolark/aerolark.ini.\n";

// The first word after the program's name, as typed.
std::string FirstWord(const std::vector<std::string>& arguments) {
  std::string joined;
  for (std::size_t i = 1; i < arguments.size(); ++i) joined += arguments[i] + ' ';
  const std::size_t start = joined.find_first_not_of(" \t");
  if (start == std::string::npos) return {};
  return joined.substr(start, joined.find_first_of(" \t", start) - start);
}

std::string Lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

int AnswerOtherSwitch(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& errors) {
  const std::string typed = FirstWord(arguments);
  const std::string word = Lowered(typed);
  if (word == "--help" || word == "-h" || word == "/?") {
    out << kUsage;
    return 0;
  }
  if (word == "--version") {
    out << "aerolark " << ProgramVersion() << '\n';
    return 0;
  }
  errors << "aerolark: unknown switch \"" << typed << "\"; see \"aerolark --help\"\n";
  return 2;
}

}  // namespace aerolark
