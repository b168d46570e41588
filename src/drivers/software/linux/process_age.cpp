#include "drivers/software/process_age.h"

#include <unistd.h>

#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace aerolark {

// From the kernel's record of the start, in clock ticks since boot: good to
// about 10 ms.
double ProcessAge() {
  std::ifstream stat("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  // The command name in parentheses may hold blanks; fields are counted after it.
  const auto close = text.rfind(')');
  if (close == std::string::npos) return -1.0;
  std::istringstream fields(text.substr(close + 2));
  std::string field;
  for (int i = 3; i < 22 && fields >> field; ++i) {
  }
  unsigned long long startTicks = 0;
  if (!(fields >> startTicks)) return -1.0;
  timespec boot{};
  if (clock_gettime(CLOCK_BOOTTIME, &boot) != 0) return -1.0;
  const double sinceBoot = static_cast<double>(boot.tv_sec) + boot.tv_nsec / 1e9;
  return sinceBoot - static_cast<double>(startTicks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace aerolark
