#include "saver_session.h"

namespace aerolark::program_test {

SaverSession::SaverSession(const RunFolder& folder, XSession& x, SaverOptions options)
    : x_(x) {
  std::map<std::string, std::string> extra = options.environment;
  if (options.placement == Placement::Windowed) extra.insert_or_assign("AEROLARK_WINDOWED", std::string("1"));
  if (options.trace) {
    tracePath_ = folder.file(options.outputName + ".trace");
    extra["AEROLARK_TRACE"] = tracePath_.string();
  }
  process_ = std::make_unique<ProgramProcess>(options.arguments, folder.Environment(extra),
                                              folder.file(options.outputName));
}

bool SaverSession::WaitUntilShown() {
  if (!WaitUntil([&] { return x_.RootHasProperty(kRunningProperty); }, kStartTimeout)) {
    return false;
  }
  // The trace is written in blocks; a block with a frame shows that the loop runs.
  if (!tracePath_.empty() &&
      !WaitUntil([&] { return CountLines(TraceLines(), "E\tDrawFrame") > 0; }, kStartTimeout)) {
    return false;
  }
  // Looked for only now: SDL may replace its first window while it sets up
  // the renderer.
  std::optional<XWindow> window = x_.WaitForWindow(kSaverTitle, kStartTimeout);
  if (window) window_ = *window;
  return window.has_value();
}

std::size_t CountLines(const std::vector<std::string>& lines, const std::string& line) {
  std::size_t count = 0;
  for (const std::string& each : lines) count += each == line ? 1 : 0;
  return count;
}

std::vector<std::string> LastLines(const std::vector<std::string>& lines, std::size_t count) {
  const std::size_t start = lines.size() > count ? lines.size() - count : 0;
  return std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(start), lines.end());
}

std::vector<std::string> ExitSequenceAfter(const std::string& event) {
  return {testing::Join({"E", event}),
          testing::Join({"C", "StopAllSounds"}),
          testing::Join({"C", "ReleaseSound", "1"}),
          testing::Join({"C", "ScreenSaverRunning", "False"}),
          testing::Join({"E", "Unload"}),
          testing::Join({"C", "ReleaseSound", "1"}),
          testing::Join({"C", "StopAllSounds"}),
          testing::Join({"C", "ShowCursor", "True"})};
}

std::vector<StoredValue> StoredValues(const fs::path& settingsFile) {
  std::vector<StoredValue> values;
  std::string section;
  for (const std::string& line : ReadLines(settingsFile)) {
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
    } else if (std::size_t equals = line.find('='); equals != std::string::npos) {
      values.push_back({section, line.substr(0, equals), line.substr(equals + 1)});
    }
  }
  return values;
}

}  // namespace aerolark::program_test
