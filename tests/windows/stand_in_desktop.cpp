// Stands in for the desktop's side of a screen saver under Wine, printing
// what it sees for the test scripts:
//
//   stand_in_desktop preview <saver.scr> <form>  a small settings window runs
//       the saver's preview in itself ("/p <hwnd>", or "/p:<hwnd>" when form
//       is "colon"), finds its child titled "Preview" and that child's size,
//       then closes and checks that the saver ends with it
//   stand_in_desktop window <title>              a top-level window of that
//       title, until the process is ended
//   stand_in_desktop describe <saver.scr>        what the desktop's list of
//       screen savers reads from the file: its name (string 1), whether it
//       has an icon, its version
//   stand_in_desktop controls <title>            "<id> <left> <top> <width> <height> <text>" each
//   stand_in_desktop ink <text>                  the columns the text inks, unclipped, in the dialog font

#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>

namespace {

constexpr DWORD kPatienceMs = 15000;

void Say(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vprintf(format, args);
  va_end(args);
  std::fflush(stdout);
}

// Handles what arrives for at most `ms` or until `done` is signalled.
bool PumpUntil(HANDLE done, DWORD ms) {
  const ULONGLONG deadline = GetTickCount64() + ms;
  for (;;) {
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return false;
    DWORD count = done != nullptr ? 1 : 0;
    DWORD woke = MsgWaitForMultipleObjects(count, &done, FALSE,
                                           static_cast<DWORD>(deadline - now), QS_ALLINPUT);
    if (count == 1 && woke == WAIT_OBJECT_0) return true;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

HWND OpenWindow(const wchar_t* title, int clientWidth, int clientHeight) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  windowClass.lpszClassName = L"AerolarkStandIn";
  RegisterClassW(&windowClass);
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
  HWND window = CreateWindowExW(0, L"AerolarkStandIn", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                40, 40, frame.right - frame.left, frame.bottom - frame.top,
                                nullptr, nullptr, windowClass.hInstance, nullptr);
  PumpUntil(nullptr, 50);
  return window;
}

// The parent's child window titled "Preview", once the saver has made it.
HWND FindPreview(HWND parent) {
  const ULONGLONG deadline = GetTickCount64() + kPatienceMs;
  while (GetTickCount64() < deadline) {
    if (HWND found = FindWindowExW(parent, nullptr, nullptr, L"Preview")) return found;
    PumpUntil(nullptr, 20);
  }
  return nullptr;
}

int Preview(const std::wstring& saver, bool colonForm) {
  HWND parent = OpenWindow(L"Stand-in settings", 152, 112);
  const auto handle = static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(parent));
  std::wstring command = L"\"" + saver + (colonForm ? L"\" /p:" : L"\" /p ") + std::to_wstring(handle);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    Say("not-started %lu\n", GetLastError());
    return 1;
  }
  RECT parentClient{};
  GetClientRect(parent, &parentClient);
  Say("parent %ldx%ld\n", parentClient.right, parentClient.bottom);
  HWND preview = FindPreview(parent);
  if (preview == nullptr) {
    Say("no-preview\n");
  } else {
    RECT client{};
    GetClientRect(preview, &client);
    POINT origin{0, 0};
    MapWindowPoints(preview, parent, &origin, 1);
    Say("preview %ldx%ld at %ld,%ld child=%d\n", client.right, client.bottom, origin.x, origin.y,
        (GetWindowLongW(preview, GWL_STYLE) & WS_CHILD) != 0 ? 1 : 0);
  }
  const bool running = WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT;
  Say("running-with-parent %d\n", running ? 1 : 0);
  DestroyWindow(parent);
  if (PumpUntil(process.hProcess, kPatienceMs)) {
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    Say("ended %lu\n", status);
  } else {
    Say("outlived-parent\n");
    TerminateProcess(process.hProcess, 9);
  }
  return 0;
}

int Window(const std::wstring& title) {
  if (OpenWindow(title.c_str(), 200, 100) == nullptr) return 1;
  Say("shown\n");
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}

int Describe(const std::wstring& saver) {
  HMODULE file = LoadLibraryExW(saver.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (file == nullptr) {
    Say("not-loaded %lu\n", GetLastError());
    return 1;
  }
  wchar_t name[128] = {};
  LoadStringW(file, 1, name, 128);
  Say("name %ls\n", name);
  HICON icon = LoadIconW(file, MAKEINTRESOURCEW(100));
  Say("icon %d\n", icon != nullptr ? 1 : 0);
  FreeLibrary(file);
  DWORD ignored = 0;
  std::string version(GetFileVersionInfoSizeW(saver.c_str(), &ignored), '\0');
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!version.empty() && GetFileVersionInfoW(saver.c_str(), 0, static_cast<DWORD>(version.size()), version.data()) &&
      VerQueryValueW(version.data(), L"\\", reinterpret_cast<void**>(&fixed), &length)) {
    Say("version %lu.%lu.%lu\n", HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
        HIWORD(fixed->dwFileVersionLS));
  }
  return 0;
}

BOOL CALLBACK SayControl(HWND control, LPARAM) {
  wchar_t text[512] = {};
  SendMessageW(control, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  RECT r{};
  GetWindowRect(control, &r);
  Say("%d %ld %ld %ld %ld %ls\n", GetDlgCtrlID(control), r.left, r.top, r.right - r.left, r.bottom - r.top, text);
  return TRUE;
}

int Ink(const std::wstring& text) {
  HDC dc = CreateCompatibleDC(nullptr);
  constexpr int kWidth = 2000, kHeight = 100;
  BITMAPINFO info{{sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
  void* bits = nullptr;
  SelectObject(dc, CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  SelectObject(dc, CreateFontW(-MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                               DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Shell Dlg"));
  SetTextColor(dc, RGB(255, 255, 255));
  SetBkMode(dc, TRANSPARENT);
  RECT all{0, 0, kWidth, kHeight};
  DrawTextW(dc, text.c_str(), -1, &all, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  GdiFlush();
  int first = kWidth, last = -1;
  for (int i = 0; i < kWidth * kHeight; ++i) {
    if ((static_cast<const DWORD*>(bits)[i] & 0xFFFFFF) == 0) continue;
    first = std::min(first, i % kWidth);
    last = std::max(last, i % kWidth);
  }
  Say("%d\n", last - first + 1);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring mode = argc > 1 ? argv[1] : L"";
  if (mode == L"preview" && argc == 4) return Preview(argv[2], std::wstring(argv[3]) == L"colon");
  if (mode == L"window" && argc == 3) return Window(argv[2]);
  if (mode == L"describe" && argc == 3) return Describe(argv[2]);
  if (mode == L"controls" && argc == 3) {
    HWND window = FindWindowW(nullptr, argv[2]);
    return window != nullptr ? (EnumChildWindows(window, SayControl, 0), 0) : 1;
  }
  if (mode == L"ink" && argc == 3) return Ink(argv[2]);
  Say("usage: stand_in_desktop preview <saver.scr> space|colon | window <title> | describe <saver.scr>"
      " | controls <title> | ink <text>\n");
  return 2;
}
