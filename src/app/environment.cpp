#include "app/environment.h"

#include <cctype>
#include <cstdint>

#include "app/environment_variable.h"

namespace aerolark {

std::optional<unsigned long> ParseWindowId(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
    text.remove_prefix(1);
  }
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
    text.remove_suffix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty() || text.size() > 10) return std::nullopt;
  unsigned long value = 0;
  for (char c : text) {
    int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                : base == 16 && std::isxdigit(static_cast<unsigned char>(c))
                    ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                    : -1;
    if (digit < 0) return std::nullopt;
    value = value * static_cast<unsigned long>(base) + static_cast<unsigned long>(digit);
  }
  if (value == 0 || value > UINT32_MAX) return std::nullopt;
  return value;
}

ProgramEnvironment ReadProgramEnvironment() {
  return ProgramEnvironment{
      EnvironmentVariable("AEROLARK_WINDOWED"), EnvironmentVariable("XSCREENSAVER_WINDOW"),
      EnvironmentVariable("AEROLARK_TRACE"), EnvironmentVariable("AEROLARK_STATS"),
      EnvironmentVariable("DISPLAY")};
}

SaverPlacement PlacementFrom(const std::vector<std::string>& arguments,
                             const ProgramEnvironment& environment) {
  SaverPlacement placement;
  placement.windowed = environment.windowed == "1";
  if (!environment.xscreensaverWindow.empty()) {
    placement.hostWindow = ParseWindowId(environment.xscreensaverWindow);
  }
  for (std::size_t i = 1; i + 1 < arguments.size() && !placement.hostWindow; ++i) {
    if (arguments[i] == "--window-id" || arguments[i] == "-window-id") {
      placement.hostWindow = ParseWindowId(arguments[i + 1]);
    }
  }
  return placement;
}

}  // namespace aerolark
