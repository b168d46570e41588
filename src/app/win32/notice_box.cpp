#include "app/win32/notice_box.h"

#include "platform/win32/windows_api.h"

#include <optional>

#include "settings/utf16.h"

namespace aerolark {

void ShowNotice(const std::string& text) {
  std::optional<std::u16string> wide = Utf16FromUtf8(text);
  if (!wide) return;
  MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(wide->c_str()), L"Aerolark",
              MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
}

}  // namespace aerolark
