#include "drivers/win32/win32_display.h"

#include "platform/win32/windows_api.h"

#include "drivers/win32/frame_windows.h"
#include "platform/win32/wide_text.h"
#include "drivers/win32/win32_backends.h"

namespace aerolark {

Win32Display::Win32Display(Win32ScreenOptions options)
    : PacedDisplay(CreateWicPictureDecoder(), CreateGdiTextRasteriser(), options.statsPath),
      options_(std::move(options)) {}

Win32Display::~Win32Display() = default;

std::unique_ptr<Screen> Win32Display::OpenScreen(int frameWidth, int frameHeight) {
  auto windows = FrameWindows::Open(frameWidth, frameHeight, options_.windowed, options_.monitors);
  windows_ = windows.get();
  return windows;
}

// Top-most: the covering windows are, and a box beneath them could not be
// answered.
bool Win32Display::ShowMessageBox(const std::string& title, const std::string& text) {
  const HWND owner = windows_ ? windows_->FirstWindow() : nullptr;
  const std::wstring wideTitle = Wide(title);
  const std::wstring wideText = Wide(text);
  return MessageBoxW(owner, wideText.c_str(), wideTitle.c_str(),
                     MB_OK | MB_ICONINFORMATION | MB_TOPMOST | MB_SETFOREGROUND) != 0;
}

}  // namespace aerolark
