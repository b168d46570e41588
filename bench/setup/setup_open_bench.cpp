// Time from the process's start to the settings dialog shown on screen, with
// whatever fonts fontconfig offers (see run-setup-open-bench.sh for a
// thousand extra ones). Prints one line of figures; never fails.

#include <QApplication>
#include <QFontDatabase>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

#include "settings/setting_keys.h"
#include "setup/qt/setup_dialog.h"

namespace {

// Milliseconds since the kernel started this process (covers loading the
// libraries before main).
double MillisecondsSinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string field;
  for (int i = 0; i < 22 && stat >> field; ++i) {}
  const double startTicks = std::stod(field);
  std::ifstream uptimeFile("/proc/uptime");
  double uptime = 0;
  uptimeFile >> uptime;
  return (uptime - startTicks / sysconf(_SC_CLK_TCK)) * 1000.0;
}

// Settings held in memory: the bench measures the dialog, not the disk.
class MemorySettings final : public aerolark::Settings {
 public:
  std::string ReadSetting(std::string_view, std::string_view, std::string_view fallback) override {
    return std::string(fallback);
  }
  aerolark::WriteStatus WriteSetting(std::string_view, std::string_view, std::string_view) override {
    return {};
  }
};

}  // namespace

int main(int argc, char** argv) {
  const double atMain = MillisecondsSinceProcessStart();
  const auto mainStart = std::chrono::steady_clock::now();
  QApplication app(argc, argv);
  MemorySettings settings;
  aerolark::Setup setup(settings, QStringLiteral("/usr/share/aerolark/"),
                        aerolark::DesktopSetupServices());
  setup.show();
  if (!QTest::qWaitForWindowExposed(&setup)) std::fprintf(stderr, "window not exposed in time\n");
  const double shown = std::chrono::duration<double, std::milli>(
                           std::chrono::steady_clock::now() - mainStart).count();
  std::printf("families=%lld  before_main_ms=%.1f  main_to_shown_ms=%.1f  start_to_shown_ms=%.1f\n",
              static_cast<long long>(QFontDatabase::families().size()), atMain, shown,
              atMain + shown);
  return 0;
}
