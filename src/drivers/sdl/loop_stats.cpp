#include "drivers/sdl/loop_stats.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>

namespace aerolark {
namespace {

double WallClock() {
  using namespace std::chrono;
  return duration<double>(system_clock::now().time_since_epoch()).count();
}

// Seconds since this process began, from the kernel's record of its start
// (in clock ticks since boot, so good to about 10 ms); negative if unknown.
double ProcessAge() {
  std::ifstream stat("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  // The command name in parentheses may hold blanks; fields are counted after it.
  const auto close = text.rfind(')');
  if (close == std::string::npos) return -1.0;
  std::istringstream fields(text.substr(close + 2));
  std::string field;
  for (int i = 3; i < 22 && fields >> field; ++i) {
  }
  unsigned long long startTicks = 0;
  if (!(fields >> startTicks)) return -1.0;
  timespec boot{};
  if (clock_gettime(CLOCK_BOOTTIME, &boot) != 0) return -1.0;
  const double sinceBoot = static_cast<double>(boot.tv_sec) + boot.tv_nsec / 1e9;
  return sinceBoot - static_cast<double>(startTicks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace

void LoopStats::Started(double now) {
  if (!Enabled()) return;
  start_ = now;
  startWall_ = WallClock();
  processAge_ = ProcessAge();
}

void LoopStats::Presented(double now) {
  if (!Enabled()) return;
  ++presents_;
  if (firstPresent_ < 0) firstPresent_ = now;
  if (lastPresent_ >= 0 && now - lastPresent_ > longestGap_) longestGap_ = now - lastPresent_;
  lastPresent_ = now;
}

void LoopStats::Describe(std::string presenter, double presentRate, int screens) {
  presenter_ = std::move(presenter);
  presentRate_ = presentRate;
  screens_ = screens;
}

bool LoopStats::Write(double now) const {
  if (!Enabled()) return true;
  std::FILE* file = std::fopen(path_.c_str(), "we");
  if (!file) return false;
  const double seconds = now - start_;
  const double perSecond = seconds > 0 ? 1.0 / seconds : 0.0;
  std::fprintf(file, "presenter=%s\nscreens=%d\npresent_rate=%.3f\n", presenter_.c_str(),
               screens_, presentRate_);
  std::fprintf(file, "loop_seconds=%.6f\ndraw_frames=%lld\ndraw_frames_per_second=%.3f\n",
               seconds, static_cast<long long>(frames_), frames_ * perSecond);
  std::fprintf(file, "second_ticks=%lld\npresents=%lld\npresents_per_second=%.3f\n",
               static_cast<long long>(seconds_), static_cast<long long>(presents_),
               presents_ * perSecond);
  std::fprintf(file, "longest_present_gap_ms=%.3f\n", longestGap_ * 1000.0);
  std::fprintf(file, "loop_wakes=%lld\nloop_wakes_per_second=%.3f\n",
               static_cast<long long>(wakes_), wakes_ * perSecond);
  if (firstPresent_ >= 0) {
    std::fprintf(file, "first_present_unix=%.6f\n", startWall_ + (firstPresent_ - start_));
    if (processAge_ >= 0) {
      std::fprintf(file, "first_present_after_process_start_ms=%.1f\n",
                   (processAge_ + firstPresent_ - start_) * 1000.0);
    }
  }
  return std::fclose(file) == 0;
}

}  // namespace aerolark
