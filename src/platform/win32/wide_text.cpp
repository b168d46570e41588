#include "platform/win32/wide_text.h"

#include "platform/win32/windows_api.h"

#include <climits>
#include <optional>

#include "settings/utf16.h"

namespace aerolark {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 on Windows");

std::wstring Wide(std::string_view utf8) {
  if (std::optional<std::u16string> exact = Utf16FromUtf8(utf8)) {
    return std::wstring(exact->begin(), exact->end());
  }
  if (utf8.size() > INT_MAX) return {};
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring shown(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, shown.data(), length);
  return shown;
}

std::string Utf8(std::wstring_view wide) {
  return Utf8FromUtf16(
      std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
}

}  // namespace aerolark
