#include "drivers/win32/win32_display.h"

#include "platform/win32/windows_api.h"

#include "drivers/software/loop_stats.h"
#include "drivers/win32/frame_windows.h"
#include "drivers/win32/wide_text.h"
#include "drivers/win32/win32_backends.h"
#include "drivers/win32/win32_event_loop.h"

namespace aerolark {

Win32Display::Win32Display(Win32ScreenOptions options)
    : options_(std::move(options)),
      pictures_(CreateWicPictureDecoder()),
      text_(CreateGdiTextRasteriser()),
      compositor_(*pictures_, *text_, this) {}

Win32Display::~Win32Display() = default;

bool Win32Display::OpenOutput(int frameWidth, int frameHeight) {
  windows_.reset();
  windows_ = FrameWindows::Open(frameWidth, frameHeight, options_.windowed, options_.monitors);
  return windows_ != nullptr;
}

void Win32Display::RunEvents(DrawingEvents& sink) {
  if (!windows_) return;
  LoopStats stats(options_.statsPath);
  RunWin32Events(*windows_, compositor_, sink, stats, chore_);
}

// Top-most: the covering windows are, and a box beneath them could not be
// answered.
bool Win32Display::ShowMessageBox(const std::string& title, const std::string& text) {
  const HWND owner = windows_ ? windows_->FirstWindow() : nullptr;
  const std::wstring wideTitle = WideFromUtf8(title);
  const std::wstring wideText = WideFromUtf8(text);
  return MessageBoxW(owner, wideText.c_str(), wideTitle.c_str(),
                     MB_OK | MB_ICONINFORMATION | MB_TOPMOST | MB_SETFOREGROUND) != 0;
}

}  // namespace aerolark
