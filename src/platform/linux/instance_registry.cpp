#include "platform/linux/instance_registry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <system_error>

#include "settings/linux/file_lock.h"
#include "platform/linux/display_file_stem.h"

namespace aerolark {
namespace {

namespace fs = std::filesystem;

// True when some process holds the lock of `file` (it is alive).
bool HeldByLiveInstance(const fs::path& file) {
  int fd = ::open(file.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return false;
  bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
  ::close(fd);
  return held;
}

// Serialises registrations. An instance stuck while holding it (stopped,
// say) must not stop every later start: past a short wait the registration
// goes on without it.
class GuardLock {
 public:
  explicit GuardLock(const fs::path& file)
      : fd_(::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
    if (fd_ >= 0) LockWithin(fd_, std::chrono::seconds(2));
  }
  ~GuardLock() {
    if (fd_ >= 0) ::close(fd_);
  }

 private:
  int fd_;
};

}  // namespace

fs::path InstanceRegistry::DefaultFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && runtime[0] == '/') return fs::path(runtime) / "aerolark";
  return fs::path("/tmp") / ("aerolark-" + std::to_string(::getuid()));
}

InstanceRegistry::InstanceRegistry(fs::path folder, std::string display) {
  std::error_code ignored;
  fs::create_directories(folder, ignored);
  ::chmod(folder.c_str(), 0700);
  const std::string prefix = DisplayFileStem(display) + ".";
  GuardLock guard(folder / (prefix + "guard"));

  std::string pattern = (folder / (prefix + std::to_string(::getpid()) + ".XXXXXX")).string();
  ownLock_ = ::mkostemp(pattern.data(), O_CLOEXEC);
  if (ownLock_ >= 0) {
    ownFile_ = pattern;
    ::flock(ownLock_, LOCK_EX | LOCK_NB);
  }

  for (const fs::directory_entry& entry : fs::directory_iterator(folder, ignored)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(prefix, 0) != 0 || name == prefix + "guard" || entry.path() == ownFile_) {
      continue;
    }
    if (HeldByLiveInstance(entry.path())) {
      anotherWasRunning_ = true;
    } else {
      fs::remove(entry.path(), ignored);  // left by an instance that crashed
    }
  }
}

InstanceRegistry::~InstanceRegistry() {
  if (ownLock_ >= 0) {
    std::error_code ignored;
    fs::remove(ownFile_, ignored);
    ::close(ownLock_);
  }
}

}  // namespace aerolark
