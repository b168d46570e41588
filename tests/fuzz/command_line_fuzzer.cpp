// The command line and window ids a desktop or a stranger may pass: no crash,
// and the mode follows the switch alone.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/environment.h"
#include "settings/conversions.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// The parent window as first written: every suffix tried from the longest.
// Slow on long texts, plainly right; the real one must agree with it.
std::int32_t ParentWindowByEverySuffix(std::string_view text) {
  for (std::size_t start = 0; start < text.size(); ++start) {
    if (auto number = aerolark::WholeNumber(text.substr(start))) {
      return aerolark::RoundToInt32(*number);
    }
  }
  return 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace aerolark;
  const std::string input(reinterpret_cast<const char*>(data), size);

  // Arguments are split at NULs, as the kernel hands them over.
  std::vector<std::string> arguments{"aerolark"};
  std::size_t start = 0;
  for (std::size_t i = 0; i <= input.size(); ++i) {
    if (i == input.size() || input[i] == '\0') {
      arguments.push_back(input.substr(start, i - start));
      start = i + 1;
    }
  }

  const std::string text = ArgumentText(arguments);
  Require(text.size() <= input.size() + arguments.size());
  const std::string_view switchText = SwitchOf(text);
  Require(switchText.size() <= 2);
  const Mode mode = ModeOf(switchText);
  if (mode == Mode::Saver) Require(switchText.empty() || switchText == "/s");
  // Lowering is idempotent: the argument text of the argument text is itself.
  Require(ArgumentText({"aerolark", text}) == text);
  Require(ParentWindowOf(text) == ParentWindowByEverySuffix(text));
  Require(ParentWindowOf(input) == ParentWindowByEverySuffix(input));

  if (const auto id = ParseWindowId(input)) Require(*id != 0 && *id <= UINT32_MAX);
  (void)PlacementFrom(arguments, ProgramEnvironment{});
  return 0;
}
