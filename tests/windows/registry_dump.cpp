// Prints every value under the saver's key, one "Section/Name=Value" line
// each, in UTF-8, for the Wine tests to compare with what the Linux dialog
// writes. Values of other types than text print as "<type N>".

#include <windows.h>

#include <cstdio>
#include <string>

#include "settings/utf16.h"
#include "settings/win32/registry_settings_store.h"

namespace {

std::string Utf8(const wchar_t* text, std::size_t length) {
  return aerolark::Utf8FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text), length));
}

void PrintSection(const std::wstring& parent, const wchar_t* section) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, (parent + L"\\" + section).c_str(), 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    return;
  }
  for (DWORD index = 0;; ++index) {
    wchar_t name[16384];
    DWORD nameLength = 16384;
    DWORD type = 0;
    DWORD size = 0;
    if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
    std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
    nameLength = 16384;
    RegEnumValueW(key, index, name, &nameLength, nullptr, &type,
                  reinterpret_cast<BYTE*>(data.data()), &size);
    data.resize(size / sizeof(wchar_t));
    while (!data.empty() && data.back() == L'\0') data.pop_back();
    std::string line = Utf8(section, wcslen(section)) + "/" + Utf8(name, nameLength) + "=";
    line += type == REG_SZ ? Utf8(data.data(), data.size()) : "<type " + std::to_string(type) + ">";
    line += "\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
  }
  RegCloseKey(key);
}

}  // namespace

int wmain() {
  const std::string saverKey(aerolark::RegistrySettingsStore::kDefaultKey);
  std::wstring parent(saverKey.begin(), saverKey.end());  // the key's name is ASCII
  PrintSection(parent, L"Startup");
  PrintSection(parent, L"System");
  return 0;
}
