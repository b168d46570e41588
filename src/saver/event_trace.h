#pragma once
// Where the saver window reports each event it handles (the trace file).
// The window holds a null pointer when tracing is off, so it costs nothing.

#include <string_view>

namespace aerolark {

class EventTrace {
 public:
  virtual ~EventTrace() = default;
  // `name` is DrawFrame, PointerMoved, ButtonEvent, KeyEvent, Timer1,
  // tmrPause, tmrSound, Load or Unload.
  virtual void Event(std::string_view name) = 0;
};

}  // namespace aerolark
