#include "settings/win32/registry_value.h"

#include <cstdint>
#include <cstring>

#include "settings/utf16.h"

namespace aerolark {
namespace {

// Larger values are not ours: the registry itself advises keeping values
// far smaller, and reading one must not exhaust the saver's memory.
constexpr DWORD kMaxValueBytes = 16 * 1024 * 1024;

std::optional<std::string> AsText(DWORD type, const std::string& bytes) {
  if (type == REG_DWORD && bytes.size() == 4) {
    std::int32_t number = 0;  // signed, so a hand-entered Volume of -784 reads so
    memcpy(&number, bytes.data(), 4);
    return std::to_string(number);
  }
  if (type == REG_QWORD && bytes.size() == 8) {
    std::int64_t number = 0;
    memcpy(&number, bytes.data(), 8);
    return std::to_string(number);
  }
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
  // A stray odd byte is no character; the text ends at its first NUL, as
  // every reader of the registry takes it, terminator or not.
  std::u16string text(bytes.size() / 2, u'\0');
  memcpy(text.data(), bytes.data(), text.size() * 2);
  text.resize(std::min(text.size(), text.find(u'\0')));
  return Utf8FromUtf16(text);
}

}  // namespace

ValueRead ReadTextValue(HKEY key, const std::u16string& name) {
  ValueRead read;
  if (key == nullptr) return read;
  // The value may grow between asking its size and reading it: ask again.
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD type = 0;
    DWORD size = 0;
    LONG result = RegQueryValueExW(key, AsWide(name), nullptr, &type, nullptr, &size);
    if (result == ERROR_KEY_DELETED) read.keyGone = true;
    if (result != ERROR_SUCCESS || size > kMaxValueBytes) return read;
    std::string bytes(size, '\0');
    DWORD got = size;
    result = RegQueryValueExW(key, AsWide(name), nullptr, &type,
                              reinterpret_cast<BYTE*>(bytes.data()), &got);
    if (result == ERROR_MORE_DATA) continue;
    if (result != ERROR_SUCCESS) return read;
    bytes.resize(std::min<DWORD>(got, size));
    read.text = AsText(type, bytes);
    return read;
  }
  return read;
}

LONG WriteTextValue(HKEY key, const std::u16string& name, const std::u16string& text) {
  const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(char16_t));
  return RegSetValueExW(key, AsWide(name), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(text.c_str()), bytes);
}

std::string SystemMessage(LONG error) {
  wchar_t* buffer = nullptr;
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(error), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::u16string text(reinterpret_cast<const char16_t*>(buffer), length);
  if (buffer != nullptr) LocalFree(buffer);
  while (!text.empty() && (text.back() == u'\n' || text.back() == u'\r' || text.back() == u' ' ||
                           text.back() == u'.')) {
    text.pop_back();
  }
  if (text.empty()) return "error " + std::to_string(error);
  return Utf8FromUtf16(text);
}

}  // namespace aerolark
