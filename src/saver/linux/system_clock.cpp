#include "saver/system_clock.h"

#include <chrono>
#include <ctime>

namespace aerolark {

double SystemClock::MonotonicSeconds() const {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

std::string SystemClock::TimeOfDayText() const {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[64];
  std::size_t length = std::strftime(text, sizeof text, "%X", &local);
  return std::string(text, length);
}

}  // namespace aerolark
