#pragma once
// Which instances of the program run for this user on this display.
// Each instance holds a lock on a file of its own while it lives, so an
// instance that crashed never blocks later starts: its lock went with it.

#include <filesystem>
#include <memory>
#include <string>

namespace aerolark {

class InstanceRegistry {
 public:
  // $XDG_RUNTIME_DIR/aerolark, or a private folder under /tmp.
  static std::filesystem::path DefaultFolder();

  // Registers this instance for `display`. Registration and the look at the
  // others happen under one lock, so of two instances starting together the
  // second always sees the first.
  InstanceRegistry(std::filesystem::path folder, std::string display);
  ~InstanceRegistry();
  InstanceRegistry(const InstanceRegistry&) = delete;
  InstanceRegistry& operator=(const InstanceRegistry&) = delete;

  // True when another live instance had registered when this one did.
  bool anotherWasRunning() const { return anotherWasRunning_; }

 private:
  std::filesystem::path ownFile_;
  int ownLock_ = -1;
  bool anotherWasRunning_ = false;
};

}  // namespace aerolark
