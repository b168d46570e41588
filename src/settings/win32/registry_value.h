#pragma once
// Reading and writing one registry value as text, whatever a hand edit left
// there: the reader never trusts the stored type, length or terminator.

#include "platform/win32/windows_api.h"

#include <optional>
#include <string>

namespace aerolark {

inline const wchar_t* AsWide(const std::u16string& text) {
  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

struct ValueRead {
  std::optional<std::string> text;  // UTF-8; nothing when missing or unusable
  bool keyGone = false;             // the open key was deleted meanwhile
};

// `key` may be null (the section does not exist): nothing is read.
ValueRead ReadTextValue(HKEY key, const std::u16string& name);
// Stores `text` as REG_SZ with its terminator; the registry's error code.
LONG WriteTextValue(HKEY key, const std::u16string& name, const std::u16string& text);
// The system's own words for an error code, in UTF-8, without a line end.
std::string SystemMessage(LONG error);

}  // namespace aerolark
