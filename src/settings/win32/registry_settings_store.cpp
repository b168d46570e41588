#include "settings/win32/registry_settings_store.h"

#include "platform/win32/windows_api.h"

#include <optional>

#include "settings/utf16.h"
#include "settings/win32/registry_value.h"

namespace aerolark {
namespace {

HKEY AsKey(void* handle) { return static_cast<HKEY>(handle); }

std::string PathOf(const std::string& key, std::string_view section) {
  return "HKEY_CURRENT_USER\\" + key + "\\" + std::string(section);
}

WriteStatus Refused(const std::string& where, std::string_view valueName, const std::string& why) {
  return WriteStatus{false, "Cannot write " + std::string(valueName) + " in " + where + ": " + why};
}

}  // namespace

RegistrySettingsStore::RegistrySettingsStore(std::string key) : key_(std::move(key)) {}

RegistrySettingsStore::~RegistrySettingsStore() {
  for (auto& [section, handle] : opened_) RegCloseKey(AsKey(handle));
}

void* RegistrySettingsStore::OpenedForReading(std::string_view section) {
  auto found = opened_.find(section);
  if (found != opened_.end()) return found->second;
  std::optional<std::u16string> path = Utf16FromUtf8(key_ + "\\" + std::string(section));
  HKEY handle = nullptr;
  if (!path || RegOpenKeyExW(HKEY_CURRENT_USER, AsWide(*path), 0, KEY_QUERY_VALUE, &handle) !=
                   ERROR_SUCCESS) {
    return nullptr;  // not there yet: asked again on the next read
  }
  opened_.emplace(std::string(section), handle);
  return handle;
}

void RegistrySettingsStore::ForgetOpened(std::string_view section) {
  auto found = opened_.find(section);
  if (found == opened_.end()) return;
  RegCloseKey(AsKey(found->second));
  opened_.erase(found);
}

std::string RegistrySettingsStore::ReadSetting(std::string_view section, std::string_view key,
                                               std::string_view fallback) {
  std::optional<std::u16string> name = Utf16FromUtf8(key);
  if (!name) return std::string(fallback);
  ValueRead read = ReadTextValue(AsKey(OpenedForReading(section)), *name);
  if (read.keyGone) {
    // Deleted (by a hand edit, say) since it was opened: open it again.
    ForgetOpened(section);
    read = ReadTextValue(AsKey(OpenedForReading(section)), *name);
  }
  return read.text ? *read.text : std::string(fallback);
}

WriteStatus RegistrySettingsStore::WriteSetting(std::string_view section, std::string_view key,
                                                std::string_view value) {
  const std::string where = PathOf(key_, section);
  std::optional<std::u16string> path = Utf16FromUtf8(key_ + "\\" + std::string(section));
  std::optional<std::u16string> name = Utf16FromUtf8(key);
  std::optional<std::u16string> text = Utf16FromUtf8(value);
  if (!path || !name) return Refused(where, key, "the name is not valid text");
  if (!text) return Refused(where, key, "the value is not valid text, so it was not stored");
  if (text->find(u'\0') != std::u16string::npos) {
    return Refused(where, key, "a text value in the registry cannot hold a NUL character");
  }
  HKEY handle = nullptr;
  LONG result = RegCreateKeyExW(HKEY_CURRENT_USER, AsWide(*path), 0, nullptr, 0, KEY_SET_VALUE,
                                nullptr, &handle, nullptr);
  if (result != ERROR_SUCCESS) return Refused(where, key, SystemMessage(result));
  result = WriteTextValue(handle, *name, *text);
  RegCloseKey(handle);
  if (result != ERROR_SUCCESS) return Refused(where, key, SystemMessage(result));
  return WriteStatus{};
}

}  // namespace aerolark
