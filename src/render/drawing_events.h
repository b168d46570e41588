#pragma once
// What a display backend raises on its one thread, and the loop that raises it.

#include <string>

namespace aerolark {

// Implemented by the saver window. Handlers change state and return; none waits.
class DrawingEvents {
 public:
  virtual ~DrawingEvents() = default;
  virtual void DrawFrame() = 0;     // 360 times a second
  virtual void PointerMoved() = 0;  // only real movement
  virtual void ButtonEvent() = 0;   // a button press
  virtual void KeyEvent() = 0;      // a key press, a close request, SIGTERM or SIGINT
  virtual void SecondTick() = 0;    // once a second: the window's one-second timers
  // The loop returns as soon as this is true; no further event is raised.
  virtual bool Ended() const = 0;
};

// The driver side of the saver window: the loop, and the one message box the
// saver may need while its screen cannot be shown.
class EventSource {
 public:
  virtual ~EventSource() = default;
  // Raises events into `sink` until sink.Ended().
  virtual void RunEvents(DrawingEvents& sink) = 0;
  // A modal box with an OK button. False when no display could show it.
  virtual bool ShowMessageBox(const std::string& title, const std::string& text) = 0;
  // When the screen could not open because there is no display at all: what
  // is wrong and how to run the program, for standard error. Empty otherwise.
  virtual std::string NoDisplayExplanation() const { return {}; }
};

}  // namespace aerolark
