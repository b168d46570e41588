#include "setup/win32/desktop_services.h"

#include <shellapi.h>

#include <algorithm>

#include "platform/win32/wide_text.h"
#include "setup/win32/fitted_captions.h"

namespace aerolark {
namespace {

int CALLBACK AddFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM families) {
  const std::wstring_view face(font->lfFaceName);
  if (face.empty() || face.front() == L'@') return 1;
  auto& list = *reinterpret_cast<std::vector<std::string>*>(families);
  std::string name = Utf8(face);
  // Each family comes once per character set it covers.
  if (std::find(list.begin(), list.end(), name) == list.end()) list.push_back(std::move(name));
  return 1;
}

UINT BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
    case MessageIcon::About: return MB_ICONINFORMATION;
    case MessageIcon::Exclamation: return MB_ICONEXCLAMATION;
    case MessageIcon::None: break;
  }
  return 0;
}

}  // namespace

std::vector<std::string> ScreenFontFamilies() {
  std::vector<std::string> families;
  HDC screen = GetDC(nullptr);
  LOGFONTW wanted = {};
  wanted.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesExW(screen, &wanted, AddFamily, reinterpret_cast<LPARAM>(&families), 0);
  ReleaseDC(nullptr, screen);
  return families;
}

std::vector<FileSystem> LogicalDrives() {
  std::wstring roots(GetLogicalDriveStringsW(0, nullptr) + 1, L'\0');
  roots.resize(GetLogicalDriveStringsW(static_cast<DWORD>(roots.size()), roots.data()));
  const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  std::vector<FileSystem> drives;
  for (const wchar_t* root = roots.c_str(); *root; root += wcslen(root) + 1) {
    wchar_t label[MAX_PATH + 1] = {};
    if (!GetVolumeInformationW(root, label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0)) {
      label[0] = L'\0';
    }
    drives.push_back({Utf8(root), Utf8(label)});
  }
  SetErrorMode(previousMode);
  return drives;
}

void ShowMessageBox(HWND owner, const Message& message) {
  if (message.icon == MessageIcon::About) {
    ShowAboutBox(owner, message);
    return;
  }
  MessageBoxW(owner, Wide(message.text).c_str(), Wide(message.caption).c_str(),
              MB_OK | BoxIcon(message.icon));
}

void OpenWebPage(HWND owner, const std::string& address) {
  ShellExecuteW(owner, L"open", Wide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

int WindowDpi(HWND window) {
  // GetDpiForWindow knows the window's own monitor; older systems have one DPI.
  using DpiForWindow = UINT(WINAPI*)(HWND);
  const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (dpiForWindow) {
    if (UINT dpi = dpiForWindow(window)) return static_cast<int>(dpi);
  }
  HDC dc = GetDC(window);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(window, dc);
  return dpi > 0 ? dpi : 96;
}

}  // namespace aerolark
