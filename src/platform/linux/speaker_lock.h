#pragma once
// One propeller, not one per monitor: of several savers running at once on
// one display, only the one holding this lock plays sound.

#include <filesystem>
#include <string>

namespace aerolark {

class SpeakerLock {
 public:
  SpeakerLock(std::filesystem::path folder, std::string display);
  ~SpeakerLock();
  SpeakerLock(const SpeakerLock&) = delete;
  SpeakerLock& operator=(const SpeakerLock&) = delete;

  // True when this process holds the speaker, taking it if it is free.
  // Held until the process ends, so another saver can take over only then.
  bool TryHold();

 private:
  std::filesystem::path file_;
  int fd_ = -1;
  bool held_ = false;
};

}  // namespace aerolark
