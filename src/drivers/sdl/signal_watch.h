#pragma once
// Notes SIGTERM and SIGINT while it lives, so the event loop can end in
// order instead of the process dying mid-frame.

#include <csignal>

namespace aerolark {

class SignalWatch {
 public:
  SignalWatch();
  ~SignalWatch();  // puts the previous handlers back
  SignalWatch(const SignalWatch&) = delete;
  SignalWatch& operator=(const SignalWatch&) = delete;

  // True once a watched signal arrived since the watch began.
  bool Raised() const;

 private:
  struct sigaction previousTerm_ {};
  struct sigaction previousInt_ {};
};

}  // namespace aerolark
