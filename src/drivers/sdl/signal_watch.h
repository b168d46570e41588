#pragma once
// A screen whose input includes SIGTERM and SIGINT, raised as a key, while
// the watch lives: the loop ends in order instead of the process dying
// mid-frame. Everything else is the watched screen's.

#include <csignal>

#include "drivers/software/screen.h"

namespace aerolark {

class SignalWatch final : public Screen {
 public:
  explicit SignalWatch(Screen& screen);
  ~SignalWatch() override;  // puts the previous handlers back
  SignalWatch(const SignalWatch&) = delete;
  SignalWatch& operator=(const SignalWatch&) = delete;

  void Present(const FrameBuffer& frame, const DamageList& changed) override {
    screen_.Present(frame, changed);
  }
  // The screen's input first; a signal that arrived since the watch began
  // is raised after it as a key, unless the screen ended the loop already.
  void DeliverInput(DrawingEvents& sink) override;
  void WaitForInput(double seconds) override { screen_.WaitForInput(seconds); }
  bool Gone() const override { return signalled_ || screen_.Gone(); }
  double PresentRate() const override { return screen_.PresentRate(); }
  std::string Presenter() const override { return screen_.Presenter(); }
  int Outputs() const override { return screen_.Outputs(); }

 private:
  Screen& screen_;
  bool signalled_ = false;
  struct sigaction previousTerm_ {};
  struct sigaction previousInt_ {};
};

}  // namespace aerolark
