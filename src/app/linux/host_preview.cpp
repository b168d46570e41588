#include "app/linux/host_preview.h"

#include <algorithm>

namespace aerolark {
namespace {

long long AreaOf(const MonitorArea& area) {
  return static_cast<long long>(area.width) * area.height;
}

bool Holds(const MonitorArea& monitor, int x, int y) {
  return x >= monitor.x && x < monitor.x + monitor.width && y >= monitor.y &&
         y < monitor.y + monitor.height;
}

}  // namespace

bool IsSmallPreview(const MonitorArea& window, const std::vector<MonitorArea>& monitors) {
  if (monitors.empty()) return false;
  const int centreX = window.x + window.width / 2;
  const int centreY = window.y + window.height / 2;
  auto monitor = std::find_if(monitors.begin(), monitors.end(),
                              [&](const MonitorArea& m) { return Holds(m, centreX, centreY); });
  if (monitor == monitors.end()) monitor = monitors.begin();
  return 4 * AreaOf(window) < AreaOf(*monitor);
}

}  // namespace aerolark
