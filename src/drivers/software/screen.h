#pragma once
// Where the paced loop shows its frames and takes its input from: windows of
// our own (SDL's on Linux, GDI's on Windows), or a host's window (X11).

#include <string>

#include "drivers/software/frame_buffer.h"
#include "render/drawing_events.h"

namespace aerolark {

class Screen {
 public:
  virtual ~Screen() = default;
  // Shows the frame scaled to the screen, its shape kept, black bars around.
  // Only `changed` differs from the frame presented before; a screen that
  // lost its picture (an expose, a move, a new size) shows the whole frame.
  virtual void Present(const FrameBuffer& frame, const DamageList& changed) = 0;
  // Raises the pending input into `sink` until none is left or the sink ends.
  // A close request counts as a key, and so does the screen going away or
  // the system asking the program to end.
  virtual void DeliverInput(DrawingEvents& sink) = 0;
  // Sleeps until input arrives or `seconds` have passed.
  virtual void WaitForInput(double seconds) = 0;
  // True once the screen has gone for good (a host destroyed its window) or
  // the system asked the program to end: nothing could end the loop then.
  virtual bool Gone() const = 0;
  // Frames shown per second at most.
  virtual double PresentRate() const = 0;
  // How frames reach the screen, in a few words, for the loop's figures.
  virtual std::string Presenter() const = 0;
  // How many windows show the frame.
  virtual int Outputs() const { return 1; }
};

}  // namespace aerolark
