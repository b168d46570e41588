#pragma once
// Small pieces shared by the files that processes lock to agree with each
// other: the settings store, the instance registry and the speaker.

#include <sys/file.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <string>
#include <thread>

namespace aerolark {

// Takes an exclusive lock on `fd`, waiting at most `patience` for another
// holder: a process stuck while holding it must not hang this one. False
// when the lock could not be had; errno then tells why (EWOULDBLOCK: still
// held by another).
inline bool LockWithin(int fd, std::chrono::milliseconds patience) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK && errno != EINTR) return false;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

// A display name ("localhost:10.0") as part of a file name.
inline std::string DisplayFileStem(std::string display) {
  if (display.empty()) return "none";
  for (char& c : display) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-') c = '_';
  }
  return display;
}

}  // namespace aerolark
