#include "platform/win32/win32_platform.h"

#include "platform/win32/windows_api.h"

#include "platform/win32/monitors.h"
#include "platform/win32/preview_window.h"
#include "platform/win32/window_handle.h"
#include "settings/utf16.h"

namespace aerolark {
namespace {

class Win32Platform final : public PlatformServices {
 public:
  bool TopLevelWindowExists(const std::string& title) override {
    std::optional<std::u16string> wide = Utf16FromUtf8(title);
    return wide && FindWindowW(nullptr, reinterpret_cast<const wchar_t*>(wide->c_str())) != nullptr;
  }

  int RunPreview(ForeignWindow parent, const StillPicture& picture) override {
    return RunPreviewWindow(WindowHandle(parent), picture);
  }

  std::vector<MonitorArea> Monitors() override { return SystemMonitors(); }

  void ShowCursor(bool visible) override { ::ShowCursor(visible ? TRUE : FALSE); }

  void SetScreenSaverRunning(bool running) override {
    UINT previous = 0;
    SystemParametersInfoW(SPI_SETSCREENSAVERRUNNING, running ? TRUE : FALSE, &previous, 0);
  }
};

}  // namespace

std::unique_ptr<PlatformServices> CreateWin32Platform() {
  return std::make_unique<Win32Platform>();
}

}  // namespace aerolark
