#include "saver/system_clock.h"

#include "platform/win32/windows_api.h"

#include <chrono>

#include "settings/utf16.h"

namespace aerolark {

double SystemClock::MonotonicSeconds() const {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// In the form the user chose in Windows' regional settings, in UTF-16 from
// the system (the C library would give the narrow code page's bytes).
std::string SystemClock::TimeOfDayText() const {
  wchar_t text[64] = {};
  int length = GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, nullptr, nullptr, text, 64);
  if (length <= 1) return std::string();
  return Utf8FromUtf16(std::u16string(text, text + length - 1));
}

}  // namespace aerolark
