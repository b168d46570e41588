#pragma once
// Which instances of the program run in this logon session: each holds a
// named mutex of the session while it lives. The system drops the hold of
// an instance that crashed, so it never blocks later starts.

namespace aerolark {

class SessionMutex {
 public:
  SessionMutex();
  ~SessionMutex();
  SessionMutex(const SessionMutex&) = delete;
  SessionMutex& operator=(const SessionMutex&) = delete;

  // True when another live instance held it when this one started.
  bool anotherWasRunning() const { return anotherWasRunning_; }

 private:
  void* handle_ = nullptr;
  bool anotherWasRunning_ = false;
};

}  // namespace aerolark
