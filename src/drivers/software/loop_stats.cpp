#include "drivers/software/loop_stats.h"

#include <algorithm>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "settings/utf8_paths.h"

namespace aerolark {
namespace {

double WallClock() {
  using namespace std::chrono;
  return duration<double>(system_clock::now().time_since_epoch()).count();
}

void AppendF(std::string& text, const char* format, ...) {
  char line[512];
  va_list arguments;
  va_start(arguments, format);
  const int length = std::vsnprintf(line, sizeof line, format, arguments);
  va_end(arguments);
  if (length > 0) text.append(line, std::min<std::size_t>(length, sizeof line - 1));
}

}  // namespace

void LoopStats::Started(double now, double processAge) {
  if (!Enabled()) return;
  start_ = now;
  startWall_ = WallClock();
  processAge_ = processAge;
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

std::string LoopStats::Text(double now) const {
  std::string text;
  const double seconds = now - start_;
  const double perSecond = seconds > 0 ? 1.0 / seconds : 0.0;
  text = "presenter=" + presenter_ + "\n";
  AppendF(text, "screens=%d\npresent_rate=%.3f\n", screens_, presentRate_);
  AppendF(text, "loop_seconds=%.6f\ndraw_frames=%lld\ndraw_frames_per_second=%.3f\n", seconds,
          static_cast<long long>(frames_), frames_ * perSecond);
  AppendF(text, "second_ticks=%lld\npresents=%lld\npresents_per_second=%.3f\n",
          static_cast<long long>(seconds_), static_cast<long long>(presents_),
          presents_ * perSecond);
  AppendF(text, "longest_present_gap_ms=%.3f\n", longestGap_ * 1000.0);
  AppendF(text, "loop_wakes=%lld\nloop_wakes_per_second=%.3f\n", static_cast<long long>(wakes_),
          wakes_ * perSecond);
  if (firstPresent_ >= 0) {
    AppendF(text, "first_present_unix=%.6f\n", startWall_ + (firstPresent_ - start_));
    if (processAge_ >= 0) {
      AppendF(text, "first_present_after_process_start_ms=%.1f\n",
              (processAge_ + firstPresent_ - start_) * 1000.0);
    }
  }
  return text;
}

// Binary, so the lines end in "\n" on every platform.
bool LoopStats::Write(double now) const {
  if (!Enabled()) return true;
  std::ofstream file(PathFromUtf8(path_), std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file << Text(now);
  file.close();
  return !file.fail();
}

}  // namespace aerolark
