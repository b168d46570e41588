#include "app/command_line.h"

#include <cctype>
#include <optional>

#include "settings/conversions.h"

namespace aerolark {

std::string ArgumentText(const std::vector<std::string>& arguments) {
  std::string text;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (i > 1) text.push_back(' ');
    text += arguments[i];
  }
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  std::size_t last = text.find_last_not_of(" \t");
  text = text.substr(first, last - first + 1);
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string_view SwitchOf(std::string_view argumentText) { return argumentText.substr(0, 2); }

Mode ModeOf(std::string_view switchText) {
  if (switchText.empty() || switchText == "/s") return Mode::Saver;
  if (switchText == "/p") return Mode::Preview;
  if (switchText == "/c") return Mode::Configuration;
  if (switchText == "/a") return Mode::Password;
  return Mode::None;
}

std::int32_t ParentWindowOf(std::string_view argumentText) {
  for (std::size_t start = 0; start < argumentText.size(); ++start) {
    std::optional<double> number = WholeNumber(argumentText.substr(start));
    if (number) return RoundToInt32(*number);
  }
  return 0;
}

}  // namespace aerolark
