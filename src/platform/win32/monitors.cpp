#include "platform/win32/monitors.h"

#include "platform/win32/windows_api.h"

#include <algorithm>

namespace aerolark {
namespace {

// With no device context given, `area` is the monitor's whole rectangle.
BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT area, LPARAM list) {
  auto& areas = *reinterpret_cast<std::vector<MonitorArea>*>(list);
  const MonitorArea monitor{area->left, area->top, area->right - area->left,
                            area->bottom - area->top};
  const bool seen = std::any_of(areas.begin(), areas.end(), [&](const MonitorArea& other) {
    return other.x == monitor.x && other.y == monitor.y && other.width == monitor.width &&
           other.height == monitor.height;
  });
  if (!seen && monitor.width > 0 && monitor.height > 0) areas.push_back(monitor);
  return TRUE;
}

}  // namespace

std::vector<MonitorArea> SystemMonitors() {
  std::vector<MonitorArea> areas;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&areas));
  return areas;
}

}  // namespace aerolark
