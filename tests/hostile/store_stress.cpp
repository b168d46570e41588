#include "hostile/store_stress.h"

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <sstream>
#include <vector>

#include "settings/ini_document.h"
#include "settings/ini_settings_store.h"
#include "settings/setting_keys.h"

namespace aerolark::hostile {
namespace {

using Clock = std::chrono::steady_clock;

struct Counts {
  long writes = 0;
  long reads = 0;
  long lost = 0;
  long failed = 0;
  long incomplete = 0;
};

// The keys the dialog's handlers write as the user moves controls.
const Key kDialogKeys[] = {Key::Speed, Key::Message, Key::TunePC, Key::Volume, Key::FontName,
                           Key::MessageChecked, Key::BGFreq, Key::SoundOff};
const Key kMarkers[] = {Key::TuneScrSvr, Key::RunMonitor};

std::string DialogValue(Key key, long round) {
  if (key == Key::Message) return "Message " + std::to_string(round) + " \"quoted\\\n";
  return std::to_string(round % 97);
}

std::string MarkerValue(long round) { return round % 2 ? "True" : "False"; }

Counts WriteLoop(const std::filesystem::path& file, double seconds, bool dialog) {
  IniSettingsStore store(file);
  Counts counts;
  const auto end = Clock::now() + std::chrono::duration<double>(seconds);
  for (long round = 0; Clock::now() < end; ++round) {
    if (dialog) {
      for (Key key : kDialogKeys) {
        std::string value = DialogValue(key, round);
        if (!WriteSetting(store, key, value).ok) ++counts.failed;
        if (ReadSetting(store, key) != value) ++counts.lost;
        ++counts.writes;
      }
    } else {
      for (Key key : kMarkers) {
        std::string value = MarkerValue(round);
        if (!WriteSetting(store, key, value).ok) ++counts.failed;
        if (ReadSetting(store, key) != value) ++counts.lost;
        ++counts.writes;
      }
    }
  }
  // The last round's values, written once more so the parent knows them.
  if (dialog) {
    for (Key key : kDialogKeys) WriteSetting(store, key, "final " + std::string(Declaration(key).name));
  } else {
    for (Key key : kMarkers) WriteSetting(store, key, "True");
  }
  return counts;
}

// Reads the whole file as a frame handler would, many times a second: every
// key it ever held must stay there.
Counts ReadLoop(const std::filesystem::path& file, double seconds) {
  IniSettingsStore store(file);
  Counts counts;
  const auto end = Clock::now() + std::chrono::duration<double>(seconds);
  while (Clock::now() < end) {
    for (const SettingDeclaration& d : SettingDeclarations()) {
      if (store.ReadSetting(d.section, d.name, "\x01missing") == "\x01missing") ++counts.incomplete;
    }
    ++counts.reads;
  }
  return counts;
}

pid_t Spawn(int pipeOut, std::function<Counts()> work) {
  pid_t child = ::fork();
  if (child == 0) {
    Counts c = work();
    char line[200];
    int n = std::snprintf(line, sizeof line, "%ld %ld %ld %ld %ld\n", c.writes, c.reads, c.lost,
                          c.failed, c.incomplete);
    if (::write(pipeOut, line, static_cast<std::size_t>(n)) != n) ::_exit(2);
    ::_exit(0);
  }
  return child;
}

bool Collect(pid_t child, int pipeIn, Counts* counts) {
  char line[200] = {};
  ssize_t n = ::read(pipeIn, line, sizeof line - 1);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (n <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
  return std::sscanf(line, "%ld %ld %ld %ld %ld", &counts->writes, &counts->reads, &counts->lost,
                     &counts->failed, &counts->incomplete) == 5;
}

}  // namespace

std::string StressReport::Summary() const {
  std::ostringstream out;
  out << "dialog writes " << dialogWrites << ", marker writes " << markerWrites << ", full reads "
      << reads << ", lost " << lostWrites << ", failed " << failedWrites << ", incomplete reads "
      << incompleteReads << ", final values " << (finalValuesKept ? "kept" : "LOST");
  if (!problem.empty()) out << ", " << problem;
  return out.str();
}

StressReport RunStoreStress(const std::filesystem::path& file, double seconds) {
  StressReport report;
  {
    IniSettingsStore store(file);
    if (!WriteDefaults(store, "/usr/share/aerolark/").ok) {
      report.problem = "could not write the defaults";
      return report;
    }
  }
  int pipes[3][2];
  for (auto& p : pipes) {
    if (::pipe(p) != 0) {
      report.problem = "no pipe";
      return report;
    }
  }
  pid_t dialog = Spawn(pipes[0][1], [&] { return WriteLoop(file, seconds, true); });
  pid_t saver = Spawn(pipes[1][1], [&] { return WriteLoop(file, seconds, false); });
  pid_t reader = Spawn(pipes[2][1], [&] { return ReadLoop(file, seconds); });
  Counts d, s, r;
  const bool ok = Collect(dialog, pipes[0][0], &d) & Collect(saver, pipes[1][0], &s) &
                  Collect(reader, pipes[2][0], &r);
  for (auto& p : pipes) {
    ::close(p[0]);
    ::close(p[1]);
  }
  if (!ok) report.problem = "a stress process failed";
  report.dialogWrites = d.writes;
  report.markerWrites = s.writes;
  report.reads = r.reads;
  report.lostWrites = d.lost + s.lost;
  report.failedWrites = d.failed + s.failed;
  report.incompleteReads = r.incomplete;

  IniSettingsStore store(file);
  report.finalValuesKept = true;
  for (Key key : kDialogKeys) {
    if (ReadSetting(store, key) != "final " + std::string(Declaration(key).name)) {
      report.finalValuesKept = false;
    }
  }
  for (Key key : kMarkers) {
    if (ReadSetting(store, key) != "True") report.finalValuesKept = false;
  }
  // Keys nobody wrote during the run keep their defaults.
  if (ReadSetting(store, Key::SetReg) != "2" || ReadSetting(store, Key::Prop) != "1") {
    report.finalValuesKept = false;
  }
  return report;
}

}  // namespace aerolark::hostile
