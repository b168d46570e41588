#include "drivers/software/process_age.h"

#include "platform/win32/windows_api.h"

namespace aerolark {
namespace {

double Seconds(const FILETIME& time) {
  ULARGE_INTEGER value;
  value.LowPart = time.dwLowDateTime;
  value.HighPart = time.dwHighDateTime;
  return static_cast<double>(value.QuadPart) / 1e7;  // 100 ns units
}

}  // namespace

// From the system's record of the process's creation, against the precise
// system time.
double ProcessAge() {
  FILETIME created{}, exited{}, kernel{}, user{}, now{};
  if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return -1.0;
  GetSystemTimePreciseAsFileTime(&now);
  return Seconds(now) - Seconds(created);
}

}  // namespace aerolark
