#pragma once
// A small checker for the Windows test programs, which run under Wine where
// no test framework is built: each failed check prints a line, and the
// program's exit status says whether any failed.

#include <cstdio>
#include <string>

namespace aerolark::wintest {

class Checks {
 public:
  // Records `what` as failed unless `passed`; returns `passed`.
  bool That(bool passed, const std::string& what) {
    if (!passed) {
      std::printf("FAIL: %s\n", what.c_str());
      ++failures_;
    }
    ++count_;
    return passed;
  }
  // A fact worth reading in the log that is not a check.
  static void Note(const std::string& what) { std::printf("note: %s\n", what.c_str()); }

  int Failures() const { return failures_; }
  int Count() const { return count_; }

 private:
  int failures_ = 0;
  int count_ = 0;
};

// The checks of one group; `samples` is the folder of test pictures (with a
// trailing separator).
void CheckPictures(Checks& checks, const std::string& samples);
void CheckText(Checks& checks);
void CheckSound(Checks& checks, const std::string& samples);
void CheckDisplayEvents(Checks& checks, const std::string& samples);

}  // namespace aerolark::wintest
