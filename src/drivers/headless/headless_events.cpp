#include "drivers/headless/headless_events.h"

#include <algorithm>

#include "drivers/software/event_pacer.h"

namespace aerolark {

void HeadlessEvents::Script(const ScriptedInput& input) {
  const auto at = std::upper_bound(
      script_.begin() + static_cast<std::ptrdiff_t>(nextInput_), script_.end(), input,
      [](const ScriptedInput& a, const ScriptedInput& b) { return a.afterFrames < b.afterFrames; });
  script_.insert(at, input);
}

void HeadlessEvents::RaiseDueInputs(DrawingEvents& sink) {
  while (nextInput_ < script_.size() && script_[nextInput_].afterFrames <= framesRaised_ &&
         !sink.Ended()) {
    const ScriptedInput& input = script_[nextInput_++];
    switch (input.kind) {
      case InputKind::kKey: sink.KeyEvent(); break;
      case InputKind::kButton: sink.ButtonEvent(); break;
      case InputKind::kPointer:
        if (pointer_.Moved(input.x, input.y)) sink.PointerMoved();
        break;
    }
  }
}

void HeadlessEvents::RunEvents(DrawingEvents& sink) {
  const auto framesPerSecond = static_cast<std::uint64_t>(kDrawFramesPerSecond);
  for (std::uint64_t raised = 0; raised < budget_; ++raised) {
    RaiseDueInputs(sink);
    if (sink.Ended()) return;
    sink.DrawFrame();
    ++framesRaised_;
    if (sink.Ended()) return;
    if (framesRaised_ % framesPerSecond == 0) sink.SecondTick();
  }
}

bool HeadlessEvents::ShowMessageBox(const std::string& title, const std::string& text) {
  messages_.push_back({title, text});
  return false;
}

}  // namespace aerolark
