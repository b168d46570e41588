#include "platform/linux/speaker_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <system_error>
#include <utility>

#include "platform/linux/display_file_stem.h"

namespace aerolark {

SpeakerLock::SpeakerLock(std::filesystem::path folder, std::string display) {
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  file_ = folder / (DisplayFileStem(std::move(display)) + ".speaker");
}

SpeakerLock::~SpeakerLock() {
  if (fd_ >= 0) ::close(fd_);
}

bool SpeakerLock::TryHold() {
  if (held_) return true;
  if (fd_ < 0) fd_ = ::open(file_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  // Without a lock file (no writable folder) there is no way to agree: play.
  if (fd_ < 0) return true;
  held_ = ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
  return held_;
}

}  // namespace aerolark
