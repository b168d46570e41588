#pragma once
// Services for a machine without a desktop, and for tests: nothing to find,
// nothing to show; the requested states are only remembered.

#include "platform/platform_services.h"

namespace aerolark {

class NullPlatform final : public PlatformServices {
 public:
  bool TopLevelWindowExists(const std::string&) override { return false; }
  int RunPreview(ForeignWindow, const StillPicture&) override { return 0; }
  std::vector<MonitorArea> Monitors() override { return {}; }
  void ShowCursor(bool visible) override { cursorVisible_ = visible; }
  void SetScreenSaverRunning(bool running) override { saverRunning_ = running; }

  bool cursorVisible() const { return cursorVisible_; }
  bool saverRunning() const { return saverRunning_; }

 private:
  bool cursorVisible_ = true;
  bool saverRunning_ = false;
};

}  // namespace aerolark
