#pragma once
// The lock processes take on a shared file to agree with each other: the
// settings store, the instance registry and the speaker all use it.

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace aerolark {

namespace file_lock_detail {

using Deadline = std::chrono::steady_clock::time_point;

// Calls `attempt` until it succeeds or the deadline passes. False when it
// could not succeed; errno then tells why (EWOULDBLOCK: still held by another).
template <typename Attempt>
bool RetryUntil(Deadline deadline, Attempt attempt) {
  while (!attempt()) {
    if (errno != EWOULDBLOCK && errno != EAGAIN && errno != EINTR) return false;
    if (std::chrono::steady_clock::now() >= deadline) {
      errno = EWOULDBLOCK;
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

// A record lock on the file's first byte: independent of flock(), so it can
// serve as a queue in front of the flock() on the same file.
inline bool SetTurn(int fd, short type) {
  struct flock turn {};
  turn.l_type = type;
  turn.l_whence = SEEK_SET;
  turn.l_start = 0;
  turn.l_len = 1;
  return ::fcntl(fd, F_OFD_SETLK, &turn) == 0;
}

}  // namespace file_lock_detail

// Takes an exclusive lock on `fd`, waiting at most `patience` for another
// holder: a process stuck while holding it must not hang this one. False
// when the lock could not be had; errno then tells why (EWOULDBLOCK: still
// held by another). Taken in turn: a waiter that only polled could miss
// every short moment a busy writer lets go, and fail although nothing hangs;
// here it first takes the turn, so that writer queues behind it instead of
// taking the lock straight back.
inline bool LockWithin(int fd, std::chrono::milliseconds patience) {
  using namespace file_lock_detail;
  const auto deadline = std::chrono::steady_clock::now() + patience;
  if (!RetryUntil(deadline, [fd] { return SetTurn(fd, F_WRLCK); }) && errno == EWOULDBLOCK) {
    return false;
  }
  // Any other failure (a file system without record locks) only costs the
  // courtesy: the lock itself is still taken below.
  const bool locked = RetryUntil(deadline, [fd] { return ::flock(fd, LOCK_EX | LOCK_NB) == 0; });
  const int reason = errno;
  SetTurn(fd, F_UNLCK);
  errno = reason;
  return locked;
}

}  // namespace aerolark
