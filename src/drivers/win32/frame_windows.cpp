#include "drivers/win32/frame_windows.h"

#include "platform/win32/windows_api.h"

#include <windowsx.h>

#include <algorithm>

#include "drivers/win32/frame_painting.h"
#include "platform/win32/monitors.h"

namespace aerolark {
namespace {

constexpr wchar_t kWindowClass[] = L"AerolarkFrame";
constexpr wchar_t kWindowTitle[] = L"Aerolark";
constexpr double kRateWhenUnknown = 60.0;

// Registered once for the process; a second registration finds it there.
bool RegisterWindowClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kWindowClass;
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The system's monitors; the primary screen where it lists none.
std::vector<MonitorArea> MonitorsToCover() {
  std::vector<MonitorArea> areas = SystemMonitors();
  if (areas.empty()) {
    areas.push_back({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
  }
  return areas;
}

double DisplayRefreshRate() {
  DEVMODEW mode{};
  mode.dmSize = sizeof mode;
  // 0 and 1 stand for the hardware's default rate.
  if (!EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode) ||
      mode.dmDisplayFrequency <= 1) {
    return kRateWhenUnknown;
  }
  return std::clamp(static_cast<double>(mode.dmDisplayFrequency), 24.0, 240.0);
}

}  // namespace

FrameWindows::FrameWindows(int frameWidth, int frameHeight, bool windowed)
    : frame_(frameWidth, frameHeight), windowed_(windowed) {}

std::unique_ptr<FrameWindows> FrameWindows::Open(int frameWidth, int frameHeight, bool windowed,
                                                 const std::vector<MonitorArea>& monitors) {
  std::unique_ptr<FrameWindows> windows(new FrameWindows(frameWidth, frameHeight, windowed));
  if (!windows->frame_.Valid() || !RegisterWindowClass()) return nullptr;
  const bool made = windowed ? windows->CreateWindowed() : windows->CoverMonitors(monitors);
  if (!made) return nullptr;
  windows->presentRate_ = DisplayRefreshRate();
  // Keys go to the saver, not to whatever had the focus.
  SetForegroundWindow(windows->FirstWindow());
  SetFocus(windows->FirstWindow());
  return windows;
}

FrameWindows::~FrameWindows() {
  for (HWND window : windows_) DestroyWindow(window);
}

// Centred on the desktop's work area, as on Linux.
bool FrameWindows::CreateWindowed() {
  constexpr DWORD style = WS_OVERLAPPEDWINDOW;
  RECT outer{0, 0, frame_.Width(), frame_.Height()};
  AdjustWindowRectEx(&outer, style, FALSE, 0);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int workWidth = work.right - work.left, workHeight = work.bottom - work.top;
  const int x = work.left + std::max(0, (workWidth - width) / 2);
  const int y = work.top + std::max(0, (workHeight - height) / 2);
  const HWND window = CreateWindowExW(0, kWindowClass, kWindowTitle, style, x, y, width, height,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  return AddWindow(window);
}

// Monitors of no size are left out; when none is left, the system's list
// stands in.
bool FrameWindows::CoverMonitors(const std::vector<MonitorArea>& given) {
  std::vector<MonitorArea> monitors;
  for (const MonitorArea& area : given) {
    if (area.width > 0 && area.height > 0) monitors.push_back(area);
  }
  if (monitors.empty()) monitors = MonitorsToCover();
  for (const MonitorArea& area : monitors) {
    // A tool window: covering windows have no place on the taskbar.
    const HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kWindowClass,
                                        kWindowTitle, WS_POPUP, area.x, area.y, area.width,
                                        area.height, nullptr, nullptr, GetModuleHandleW(nullptr),
                                        nullptr);
    if (!AddWindow(window)) return false;
  }
  return true;
}

// The window procedure is set only now, so no message reaches this object
// before the window is one of its own.
bool FrameWindows::AddWindow(HWND window) {
  if (!window) return false;
  windows_.push_back(window);
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProcedure));
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  return true;
}

LRESULT CALLBACK FrameWindows::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  auto* self = reinterpret_cast<FrameWindows*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_PAINT:
      self->Paint(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel: bars and frame
    case WM_SETCURSOR:
      if (LOWORD(lParam) != HTCLIENT) break;
      // The pointer is hidden over a covering window, whichever it is.
      SetCursor(self->windowed_ ? LoadCursorW(nullptr, IDC_ARROW) : nullptr);
      return TRUE;
    case WM_SYSCOMMAND:
      // Another screen saver must not start over this one.
      if ((wParam & 0xFFF0) == SC_SCREENSAVE) return 0;
      break;
    default:
      if (self->HandleInput(window, message, wParam, lParam)) {
        return message == WM_XBUTTONDOWN ? TRUE : 0;
      }
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool FrameWindows::HandleInput(HWND window, UINT message, WPARAM, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:  // Alt and F10 too, and no system menu opens
      Raise(&DrawingEvents::KeyEvent);
      return true;
    case WM_CLOSE:
      if (!sink_) closePending_ = true;
      Raise(&DrawingEvents::KeyEvent);
      return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
      Raise(&DrawingEvents::ButtonEvent);
      return true;
    case WM_MOUSEMOVE:
      PointerAt(window, lParam);
      return true;
    case WM_MOUSELEAVE:
      // The position reported on coming back only places the pointer.
      trackingLeave_ = false;
      pointer_.Forget();
      return true;
    default:
      return false;
  }
}

// Windows reports the pointer's position again, unmoved, when a window
// appears or changes its stacking: only a new position is movement. Screen
// coordinates, so a pointer crossing from one covering window to the next
// is one pointer.
void FrameWindows::PointerAt(HWND window, LPARAM lParam) {
  if (!trackingLeave_) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
    trackingLeave_ = TrackMouseEvent(&track) != FALSE;
  }
  POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ClientToScreen(window, &at);
  if (pointer_.Moved(at.x, at.y)) Raise(&DrawingEvents::PointerMoved);
}

void FrameWindows::Raise(void (DrawingEvents::*event)()) {
  if (sink_ && !sink_->Ended()) (sink_->*event)();
}

void FrameWindows::DeliverInput(DrawingEvents& sink) {
  sink_ = &sink;
  if (closePending_) {
    closePending_ = false;
    sink.KeyEvent();
  }
  MSG message;
  while (!sink.Ended() && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quitAsked_ = true;
      sink.KeyEvent();
      break;
    }
    DispatchMessageW(&message);
  }
  sink_ = nullptr;
}

void FrameWindows::Present(const FrameBuffer& frame, const DamageList& changed) {
  frame_.CopyFrom(frame, &changed);
  for (HWND window : windows_) {
    const HDC dc = GetDC(window);
    if (!dc) continue;
    PaintChanged(window, dc, frame_, changed);
    ReleaseDC(window, dc);
  }
}

void FrameWindows::Paint(HWND window) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window, &paint);
  if (dc) PaintWhole(window, dc, frame_);
  EndPaint(window, &paint);
}

}  // namespace aerolark
