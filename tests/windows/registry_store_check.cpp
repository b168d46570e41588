// The registry store against the real registry (under Wine), in a key of its
// own: round trips of any text, names without regard to case, refused
// writes that keep the old value, and values a hand edit left of another
// type, length or shape. Prints each failed case; the status is their number.

#include <windows.h>

#include <string>
#include <vector>

#include "checks.h"
#include "settings/win32/registry_settings_store.h"

namespace {

using aerolark::RegistrySettingsStore;

const std::string kKey = "Software\\Aerolark tests\\Store";
const std::wstring kSection = L"Software\\Aerolark tests\\Store\\Startup";
aerolark::wintest::Checks checks;

void Check(bool passed, const std::string& name, const std::string& detail = "") {
  checks.That(passed, detail.empty() ? name : name + ": " + detail);
}

// Puts raw bytes of any type where a hand edit would.
void PutRaw(const wchar_t* name, DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_CURRENT_USER, kSection.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                  nullptr);
  RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}

std::wstring RawText(const wchar_t* name) {
  std::wstring text(4096, L'\0');
  DWORD size = static_cast<DWORD>(text.size() * 2);
  RegGetValueW(HKEY_CURRENT_USER, kSection.c_str(), name, RRF_RT_REG_SZ, nullptr, text.data(), &size);
  text.resize(size / 2 > 0 ? size / 2 - 1 : 0);
  return text;
}

void RoundTrips(RegistrySettingsStore& store) {
  const std::vector<std::pair<std::string, std::string>> texts = {
      {"empty", ""},
      {"plain", "I'd Rather be Flying"},
      {"blanks and controls", "  a\tb\nc\r  "},
      {"path", "C:\\Users\\J\xc3\xbcrgen\\Pictures\\Sunset Red.BMP"},
      {"beyond the basic plane", "\xe2\x9c\x88 \xf0\x9f\x98\x80 \xe4\xb8\xad"},
      {"long", std::string(200000, 'x')},
  };
  for (const auto& [name, text] : texts) {
    aerolark::WriteStatus status = store.WriteSetting("Startup", "Message", text);
    const std::string back = store.ReadSetting("Startup", "Message", "fallback");
    Check(status.ok && back == text, "round trip: " + name, status.error);
  }
}

void NamesIgnoreCase(RegistrySettingsStore& store) {
  store.WriteSetting("Startup", "Background", "3");
  Check(store.ReadSetting("startup", "BACKGROUND", "1") == "3", "names ignore case");
  Check(RawText(L"backGround") == L"3", "stored as REG_SZ under one name");
}

void RefusedWritesKeepTheOldValue(RegistrySettingsStore& store) {
  store.WriteSetting("Startup", "FontName", "Arial");
  for (const std::string& bad : {std::string("\xff"), std::string("Ar\xc3"), std::string("\xc0\xaf"),
                                 std::string("A\0B", 3)}) {
    aerolark::WriteStatus status = store.WriteSetting("Startup", "FontName", bad);
    Check(!status.ok && !status.error.empty() &&
              store.ReadSetting("Startup", "FontName", "1") == "Arial",
          "refused, old value kept", status.error);
  }
  aerolark::WriteStatus failed = store.WriteSetting(std::string(300, 's'), "Key", "value");
  Check(!failed.ok && failed.error.find("Cannot write") == 0, "a key the registry refuses",
        failed.error);
}

void LoneSurrogatesSurvive(RegistrySettingsStore& store) {
  const wchar_t odd[] = {L'a', 0xD800, L'b', 0xDC01, 0};
  PutRaw(L"Odd", REG_SZ, odd, sizeof odd);
  const std::string read = store.ReadSetting("Startup", "Odd", "1");
  aerolark::WriteStatus status = store.WriteSetting("Startup", "Odd", read);
  Check(status.ok && RawText(L"Odd") == odd, "lone surrogates read and written back unchanged",
        status.error);
}

void HostileValues(RegistrySettingsStore& store) {
  const unsigned char binary[] = {0xde, 0xad, 0xbe, 0xef, 0x00};
  PutRaw(L"Binary", REG_BINARY, binary, sizeof binary);
  Check(store.ReadSetting("Startup", "Binary", "1") == "1", "REG_BINARY reads as missing");
  const DWORD four = 4, minus = static_cast<DWORD>(-784);
  PutRaw(L"Four", REG_DWORD, &four, sizeof four);
  PutRaw(L"Minus", REG_DWORD, &minus, sizeof minus);
  Check(store.ReadSetting("Startup", "Four", "1") == "4" &&
            store.ReadSetting("Startup", "Minus", "1") == "-784",
        "REG_DWORD reads as its number");
  const wchar_t unterminated[] = {L'3', L'6'};
  PutRaw(L"Unterminated", REG_SZ, unterminated, sizeof unterminated);
  Check(store.ReadSetting("Startup", "Unterminated", "1") == "36", "no terminator");
  const char oddBytes[] = {'5', 0, 'x'};
  PutRaw(L"OddBytes", REG_SZ, oddBytes, sizeof oddBytes);
  Check(store.ReadSetting("Startup", "OddBytes", "1") == "5", "an odd number of bytes");
  PutRaw(L"Empty", REG_SZ, nullptr, 0);
  Check(store.ReadSetting("Startup", "Empty", "1").empty(), "no bytes at all reads empty");
  const wchar_t inner[] = {L'4', 0, L'9', 0};
  PutRaw(L"Inner", REG_SZ, inner, sizeof inner);
  Check(store.ReadSetting("Startup", "Inner", "1") == "4", "text ends at a NUL");
  const wchar_t multi[] = {L'a', 0, L'b', 0, 0};
  PutRaw(L"Multi", REG_MULTI_SZ, multi, sizeof multi);
  Check(store.ReadSetting("Startup", "Multi", "1") == "1", "REG_MULTI_SZ reads as missing");
  std::wstring huge(9 * 1024 * 1024, L'h');
  PutRaw(L"Huge", REG_SZ, huge.c_str(), static_cast<DWORD>((huge.size() + 1) * 2));
  const std::string hugeRead = store.ReadSetting("Startup", "Huge", "1");
  Check(hugeRead == "1" || hugeRead.size() == huge.size(), "a huge value neither crashes nor cuts");
}

void ReadsAfterTheKeyIsDeleted(RegistrySettingsStore& store) {
  store.WriteSetting("System", "SetReg", "2");
  store.ReadSetting("System", "SetReg", "1");  // opens and keeps the key
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Aerolark tests\\Store\\System");
  Check(store.ReadSetting("System", "SetReg", "1") == "1", "a deleted key reads as missing");
  store.WriteSetting("System", "SetReg", "2");
  Check(store.ReadSetting("System", "SetReg", "1") == "2", "a key made again reads again");
}

}  // namespace

int wmain() {
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Aerolark tests");
  RegistrySettingsStore store(kKey);
  Check(store.ReadSetting("Startup", "Speed", "1") == "1", "missing key reads the default");
  RoundTrips(store);
  NamesIgnoreCase(store);
  RefusedWritesKeepTheOldValue(store);
  LoneSurrogatesSurvive(store);
  HostileValues(store);
  ReadsAfterTheKeyIsDeleted(store);
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Aerolark tests");
  return checks.Failures();
}
