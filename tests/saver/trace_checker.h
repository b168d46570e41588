#pragma once
// Checks a trace of the real program against the saver window's rules: the
// trace's events are replayed through a saver window whose controls answer
// as the trace says (sprite ids, read-back X, the screen, the sound number,
// the clock text), and every call and settings write the window makes must
// equal the trace's next line.

#include <filesystem>
#include <istream>
#include <string>

namespace aerolark::testing {

struct TraceCheck {
  bool ok = true;
  std::size_t linesChecked = 0;
  std::string difference;  // the first line that differs, with its number
};

// `settingsBeforeRun` is the settings file as the program found it (it is
// copied, never changed; a missing file is an empty store); `installFolder`
// ends with '/'. The pointer's clock is taken as one second per timer tick
// plus 1/360 s per frame event, since the trace carries no times.
TraceCheck CheckTrace(std::istream& trace, const std::filesystem::path& settingsBeforeRun,
                      const std::string& installFolder);

}  // namespace aerolark::testing
