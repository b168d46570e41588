// The trace checker accepts a trace the saver window made and points at the
// first line that breaks the rules.

#include <gtest/gtest.h>

#include <sstream>

#include "saver_rig.h"
#include "trace_checker.h"

namespace aerolark::testing {
namespace {

struct RecordedRun {
  std::string trace;
  std::filesystem::path settingsBefore;
};

// A run of the saver window as the start-up drives it, recorded in the
// trace format, with the settings file as it was before the run.
RecordedRun Record(SaverRig& rig, const std::string& events) {
  RecordedRun run;
  run.settingsBefore = rig.folder / "before.ini";
  if (std::filesystem::exists(rig.store.path())) {
    std::filesystem::copy_file(rig.store.path(), run.settingsBefore);
  }
  int frames = 0;
  Form1& form = rig.Load();
  rig.log.Add(std::string("C\tScreenSaverRunning\tTrue"));
  for (char event : events) {
    if (form.Ended()) break;
    if (event == 'F') {
      ++frames;
      rig.clock.now += 1.0 / 360;
      form.DrawFrame();
    } else if (event == 'S') {
      rig.clock.timeOfDay = "10:00:" + std::to_string(10 + frames % 50);
      rig.clock.now = std::floor(rig.clock.now) + 1;
      form.SecondTick();
    } else if (event == 'P') {
      form.PointerMoved();
    } else if (event == 'K') {
      form.KeyEvent();
    }
  }
  for (const std::string& line : rig.log.lines()) run.trace += line + "\n";
  return run;
}

std::string Script() {
  std::string script;
  for (int second = 0; second < 70; ++second) script += std::string(60, 'F') + "S";
  return script + "PFFPK";
}

TEST(TraceChecker, AcceptsTheWindowsOwnTraceFromAnEmptyStore) {
  SaverRig rig;
  rig.Set(Key::MessageChecked, "1");  // SetReg missing: the defaults are written again
  RecordedRun run = Record(rig, Script());
  std::istringstream trace(run.trace);
  TraceCheck check = CheckTrace(trace, run.settingsBefore, kInstall);
  EXPECT_TRUE(check.ok) << check.difference;
  EXPECT_GT(check.linesChecked, 10000u);
}

TEST(TraceChecker, AcceptsAPictureThatNeedsBlackBeneathIt) {
  SaverRig rig;
  rig.Defaults().Set(Key::BMPFileName, "/missing.bmp");
  rig.drawingStub.partialPictures.insert("/missing.bmp");
  RecordedRun run = Record(rig, std::string(200, 'F') + "K");
  std::istringstream trace(run.trace);
  TraceCheck check = CheckTrace(trace, run.settingsBefore, kInstall);
  EXPECT_TRUE(check.ok) << check.difference;
}

TEST(TraceChecker, PointsAtTheFirstLineThatBreaksTheRules) {
  SaverRig rig;
  rig.Defaults();
  RecordedRun run = Record(rig, std::string(400, 'F') + "SSK");
  std::vector<std::string> lines;
  std::istringstream in(run.trace);
  for (std::string line; std::getline(in, line);) lines.push_back(line);

  struct Fault {
    std::string from, to;
  };
  for (const Fault& fault : std::vector<Fault>{
           {"C\tSetSpriteY\t20\t365", "C\tSetSpriteY\t20\t366"},  // biplane 15's start
           {"C\tMoveSpriteX\t4\t-7", "C\tMoveSpriteX\t4\t-6"},     // the aircraft's speed
           {"E\ttmrSound", "E\tTimer1"},                           // a timer out of order
           {"C\tStopSound\t1", "C\tStopAllSounds"}}) {
    std::vector<std::string> broken = lines;
    std::size_t at = 0;
    while (at < broken.size() && broken[at] != fault.from) ++at;
    ASSERT_LT(at, broken.size()) << fault.from;
    broken[at] = fault.to;
    std::string text;
    for (const std::string& line : broken) text += line + "\n";
    std::istringstream trace(text);
    TraceCheck check = CheckTrace(trace, run.settingsBefore, kInstall);
    EXPECT_FALSE(check.ok) << fault.to;
    EXPECT_NE(check.difference.find("line " + std::to_string(at + 1) + ":"), std::string::npos)
        << check.difference;
  }
  std::istringstream cut(run.trace.substr(run.trace.find('\n') + 1));
  EXPECT_FALSE(CheckTrace(cut, run.settingsBefore, kInstall).ok);
}

}  // namespace
}  // namespace aerolark::testing
