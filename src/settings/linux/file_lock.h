#pragma once
// The lock processes take on a shared file to agree with each other: the
// settings store, the instance registry and the speaker all use it.

#include <sys/file.h>

#include <cerrno>
#include <chrono>
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

}  // namespace aerolark
