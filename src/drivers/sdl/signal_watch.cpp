#include "drivers/sdl/signal_watch.h"

namespace aerolark {
namespace {

// A signal handler has no context to reach an object through, so the flag
// must live here; only one loop runs at a time.
volatile std::sig_atomic_t signalRaised = 0;

void NoteSignal(int) { signalRaised = 1; }

}  // namespace

SignalWatch::SignalWatch(Screen& screen) : screen_(screen) {
  signalRaised = 0;
  struct sigaction action {};
  action.sa_handler = NoteSignal;
  sigemptyset(&action.sa_mask);
  // No SA_RESTART: a signal wakes the loop from its wait at once.
  action.sa_flags = 0;
  sigaction(SIGTERM, &action, &previousTerm_);
  sigaction(SIGINT, &action, &previousInt_);
}

SignalWatch::~SignalWatch() {
  sigaction(SIGTERM, &previousTerm_, nullptr);
  sigaction(SIGINT, &previousInt_, nullptr);
}

void SignalWatch::DeliverInput(DrawingEvents& sink) {
  screen_.DeliverInput(sink);
  if (sink.Ended() || screen_.Gone() || signalRaised == 0) return;
  signalled_ = true;
  sink.KeyEvent();
}

}  // namespace aerolark
