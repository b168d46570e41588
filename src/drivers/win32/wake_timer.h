#pragma once
// Sleeps until a moment a fraction of a millisecond away or until a message
// arrives, whichever is first: a high-resolution waitable timer where the
// system has one, otherwise an ordinary one with the system's timer
// resolution raised to a millisecond while this lives.

#include "platform/win32/windows_api.h"

#include <memory>
#include <string>

namespace aerolark {

class WakeTimer {
 public:
  WakeTimer();
  ~WakeTimer();  // puts the system's timer resolution back

  // Returns after `seconds`, or earlier when a message is waiting.
  void WaitForMessages(double seconds) const;
  // Which timer paces the loop, for the loop's figures.
  std::string Describe() const;

 private:
  struct HandleClose {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
  };
  std::unique_ptr<void, HandleClose> timer_;
  bool highResolution_ = false;
  bool periodRaised_ = false;
};

}  // namespace aerolark
