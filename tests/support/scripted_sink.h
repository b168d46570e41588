#pragma once
// A sink for a driver's real loop, on either system: runs a script with
// each DrawFrame's number, counts what was raised, and ends on a key (unless
// told not to) or, a guard, at its last frame.

#include <functional>
#include <utility>

#include "render/drawing_events.h"

namespace aerolark::testing {

struct ScriptedSink final : DrawingEvents {
  ScriptedSink(int last, std::function<void(int)> run, bool endsOnKey = true)
      : lastFrame(last), script(std::move(run)), endOnKey(endsOnKey) {}

  void DrawFrame() override {
    ++frames;
    if (script) script(frames);
  }
  void PointerMoved() override {}
  void ButtonEvent() override {}
  void KeyEvent() override { ++keys; }
  void SecondTick() override { ++ticks; }
  bool Ended() const override { return (endOnKey && keys > 0) || frames >= lastFrame; }

  int frames = 0, keys = 0, ticks = 0;
  int lastFrame;
  std::function<void(int)> script;
  bool endOnKey;
};

}  // namespace aerolark::testing
