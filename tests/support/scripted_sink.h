#pragma once
// A sink for a driver's real loop, on either system: runs a script with
// each DrawFrame's number, counts what was raised, and ends on a key (unless
// told not to) or, a guard, at its last frame.

#include <functional>
#include <utility>

#include "render/drawing_events.h"

namespace aerolark::testing {

class ScriptedSink final : public DrawingEvents {
 public:
  ScriptedSink(int lastFrame, std::function<void(int)> script, bool endOnKey = true)
      : lastFrame_(lastFrame), script_(std::move(script)), endOnKey_(endOnKey) {}

  void DrawFrame() override {
    ++frames;
    if (script_) script_(frames);
  }
  void PointerMoved() override {}
  void ButtonEvent() override {}
  void KeyEvent() override { ++keys; }
  void SecondTick() override { ++ticks; }
  bool Ended() const override { return (endOnKey_ && keys > 0) || frames >= lastFrame_; }

  int frames = 0, keys = 0, ticks = 0;

 private:
  int lastFrame_;
  std::function<void(int)> script_;
  bool endOnKey_;
};

}  // namespace aerolark::testing
