#include "platform/win32/preview_window.h"

namespace aerolark {
namespace {

constexpr wchar_t kClassName[] = L"AerolarkPreview";
constexpr UINT_PTR kParentCheck = 1;
// How often the parent is looked for: its end must end the preview even
// where the system does not destroy another program's child with it.
constexpr UINT kParentCheckMs = 200;

struct PreviewState {
  HWND parent;
  const StillPicture* picture;
};

void Paint(HWND window, const StillPicture& picture) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  if (picture.width > 0 && picture.height > 0) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // rows top to bottom
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;             // 0xAARRGGBB is B, G, R, A in memory
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, 0, 0, picture.width, picture.height, 0, 0, 0, picture.height,
                      picture.pixels.data(), &info, DIB_RGB_COLORS);
  }
  EndPaint(window, &paint);
}

LRESULT CALLBACK PreviewProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* state = reinterpret_cast<PreviewState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_PAINT:
      if (state != nullptr) Paint(window, *state->picture);
      return 0;
    case WM_TIMER:
      if (wParam == kParentCheck && state != nullptr && !IsWindow(state->parent)) {
        DestroyWindow(window);
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

void RegisterPreviewClass(HINSTANCE instance) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = PreviewProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = kClassName;
  RegisterClassW(&windowClass);
}

}  // namespace

int RunPreviewWindow(HWND parent, const StillPicture& picture) {
  RECT client{};
  if (!IsWindow(parent) || !GetClientRect(parent, &client)) return 0;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterPreviewClass(instance);
  PreviewState state{parent, &picture};
  HWND window = CreateWindowExW(0, kClassName, L"Preview", WS_CHILD | WS_VISIBLE, 0, 0,
                                client.right, client.bottom, parent, nullptr, instance, &state);
  if (window == nullptr) return 0;
  SetTimer(window, kParentCheck, kParentCheckMs, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace aerolark
