// The loop's figures file, which the benchmarks read: what a run of events
// and presents adds up to.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>

#include "drivers/sdl/loop_stats.h"
#include "support/files.h"

namespace aerolark {
namespace {

namespace fs = std::filesystem;

std::map<std::string, std::string> Figures(const fs::path& file) {
  std::map<std::string, std::string> figures;
  std::istringstream lines(testing::ReadText(file));
  for (std::string line; std::getline(lines, line);) {
    const auto equals = line.find('=');
    if (equals != std::string::npos) figures[line.substr(0, equals)] = line.substr(equals + 1);
  }
  return figures;
}

double Number(const std::map<std::string, std::string>& figures, const std::string& key) {
  const auto found = figures.find(key);
  return found == figures.end() ? -1.0 : std::strtod(found->second.c_str(), nullptr);
}

TEST(LoopStats, ARunAddsUpToRatesTheLongestGapAndTheFirstPresent) {
  const fs::path file = fs::temp_directory_path() / ("loop-stats-" + std::to_string(::getpid()));
  const double wallAtStart =
      std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
  LoopStats stats(file.string());
  stats.Started(100.0);
  stats.Describe("window surface", 60.0, 2);
  stats.Presented(100.10);
  stats.FramesRaised(180);
  stats.Woke();
  stats.Presented(100.12);
  stats.SecondTicked();
  stats.Presented(100.40);  // 280 ms after the one before: the longest gap
  stats.Presented(100.45);
  stats.FramesRaised(180);
  stats.Woke();
  ASSERT_TRUE(stats.Write(102.0));

  const auto figures = Figures(file);
  fs::remove(file);
  EXPECT_EQ(figures.at("presenter"), "window surface");
  EXPECT_EQ(Number(figures, "screens"), 2);
  EXPECT_NEAR(Number(figures, "present_rate"), 60.0, 1e-9);
  EXPECT_NEAR(Number(figures, "loop_seconds"), 2.0, 1e-6);
  EXPECT_EQ(Number(figures, "draw_frames"), 360);
  EXPECT_NEAR(Number(figures, "draw_frames_per_second"), 180.0, 1e-3);
  EXPECT_EQ(Number(figures, "second_ticks"), 1);
  EXPECT_EQ(Number(figures, "presents"), 4);
  EXPECT_NEAR(Number(figures, "presents_per_second"), 2.0, 1e-3);
  EXPECT_NEAR(Number(figures, "longest_present_gap_ms"), 280.0, 1e-3);
  EXPECT_EQ(Number(figures, "loop_wakes"), 2);
  EXPECT_NEAR(Number(figures, "loop_wakes_per_second"), 1.0, 1e-3);
  // The first present, 0.1 s into the loop, on the wall clock and counted
  // from the process's own start (which came before the loop's).
  EXPECT_NEAR(Number(figures, "first_present_unix"), wallAtStart + 0.1, 1.0);
  EXPECT_GE(Number(figures, "first_present_after_process_start_ms"), 100.0);
}

TEST(LoopStats, AFileThatCannotBeWrittenIsReported) {
  LoopStats stats("/nonexistent-folder/stats");
  stats.Started(0.0);
  stats.Presented(0.5);
  EXPECT_FALSE(stats.Write(1.0));
}

}  // namespace
}  // namespace aerolark
