#pragma once
// Figures about a run of the event loop, written to a file when the loop
// ends (AEROLARK_STATS=<file>): events raised per second, frames presented,
// the longest gap between two presents and when the first one happened. With
// no file asked for every call returns at once. The platform's loop supplies
// the clocks, so the figures read the same on every platform.

#include <cstdint>
#include <string>

namespace aerolark {

class LoopStats {
 public:
  // An empty path: nothing is kept or written.
  explicit LoopStats(std::string path) : path_(std::move(path)) {}

  bool Enabled() const { return !path_.empty(); }
  // Times are seconds on the loop's steady clock. `processAge`: seconds since
  // the process began, negative when unknown.
  void Started(double now, double processAge);
  void FramesRaised(std::int64_t count) {
    if (Enabled()) frames_ += count;
  }
  void SecondTicked() {
    if (Enabled()) ++seconds_;
  }
  // The loop woke and ran the events due.
  void Woke() {
    if (Enabled()) ++wakes_;
  }
  void Presented(double now);
  // What presents frames, and how often at most; written with the figures.
  void Describe(std::string presenter, double presentRate, int screens);
  // The figures as written, one `name=value` line each.
  std::string Text(double now) const;
  // Writes the figures (the path is UTF-8); false when the file cannot be
  // written.
  bool Write(double now) const;

 private:
  std::string path_;
  std::string presenter_;
  double presentRate_ = 0.0;
  int screens_ = 0;
  double start_ = 0.0;
  double startWall_ = 0.0;
  double processAge_ = -1.0;  // seconds since the process began, at Started
  std::int64_t frames_ = 0;
  std::int64_t seconds_ = 0;
  std::int64_t presents_ = 0;
  std::int64_t wakes_ = 0;
  double firstPresent_ = -1.0;
  double lastPresent_ = -1.0;
  double longestGap_ = 0.0;
};

}  // namespace aerolark
