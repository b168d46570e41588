#pragma once
// One run of the saver as the desktop starts it, and what a run leaves
// behind: the settings file and the trace.

#include <memory>
#include <string>
#include <vector>

#include "support/call_log.h"
#include "support/expected_defaults.h"

#include "program_process.h"
#include "x_session.h"

namespace aerolark::program_test {

inline constexpr const char* kSaverTitle = "Aerolark";
inline constexpr const char* kRunningProperty = "AEROLARK_SCREENSAVER_RUNNING";
// Start-up of a saver on a loaded machine; the real figure is well under this.
inline constexpr milliseconds kStartTimeout{10000};

enum class Placement { Windowed, FullScreen };

struct SaverOptions {
  Placement placement = Placement::Windowed;
  std::vector<std::string> arguments{"/s"};
  bool trace = true;
  std::string outputName = "saver";
  std::map<std::string, std::string> environment{};  // beyond the run folder's
};

class SaverSession {
 public:
  SaverSession(const RunFolder& folder, XSession& x, SaverOptions options = {});

  // True once the saver's window is on the screen, the desktop has been told
  // that a saver runs and frames are being drawn.
  bool WaitUntilShown();
  ProgramProcess& process() { return *process_; }
  XWindow window() const { return window_; }
  const fs::path& tracePath() const { return tracePath_; }
  std::vector<std::string> TraceLines() const { return ReadLines(tracePath_); }

 private:
  XSession& x_;
  fs::path tracePath_;
  std::unique_ptr<ProgramProcess> process_;
  XWindow window_ = 0;
};

std::size_t CountLines(const std::vector<std::string>& lines, const std::string& line);
// The last `count` lines (fewer when the trace is shorter).
std::vector<std::string> LastLines(const std::vector<std::string>& lines, std::size_t count);
// How every run ends, after the input event that ends it.
std::vector<std::string> ExitSequenceAfter(const std::string& event);

using StoredValue = testing::ExpectedSetting;
// The key lines of a settings file, in file order, each with its section.
std::vector<StoredValue> StoredValues(const fs::path& settingsFile);

}  // namespace aerolark::program_test
