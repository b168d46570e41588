#include "app/environment_variable.h"

#include "platform/win32/windows_api.h"

#include "settings/utf16.h"

namespace aerolark {

std::string EnvironmentVariable(const char* name) {
  std::wstring wideName(name, name + std::char_traits<char>::length(name));  // ASCII names
  std::wstring value(256, L'\0');
  for (;;) {
    DWORD length = GetEnvironmentVariableW(wideName.c_str(), value.data(),
                                           static_cast<DWORD>(value.size()));
    if (length == 0) return std::string();  // unset, or set empty
    if (length < value.size()) {
      value.resize(length);
      break;
    }
    value.resize(length);  // too small: `length` counts the terminator
  }
  return Utf8FromUtf16(std::u16string(value.begin(), value.end()));
}

}  // namespace aerolark
