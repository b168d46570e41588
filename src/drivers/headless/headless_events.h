#pragma once
// The saver's events without a display: raised by a simulated clock the
// caller drives, so runs are fast and repeat exactly. Frames are composed by
// a SoftwareCompositor with no output, and stay in memory.

#include <cstdint>
#include <string>
#include <vector>

#include "drivers/software/pointer_filter.h"
#include "render/drawing_events.h"

namespace aerolark {

enum class InputKind { kKey, kButton, kPointer };

// An input raised after `afterFrames` DrawFrame events in total.
struct ScriptedInput {
  std::uint64_t afterFrames = 0;
  InputKind kind = InputKind::kKey;
  int x = 0;  // pointer position, for kPointer
  int y = 0;
};

struct ShownMessage {
  std::string title;
  std::string text;
};

class HeadlessEvents final : public EventSource {
 public:
  // Raises DrawFrame at 1/360 s of simulated time each, SecondTick after
  // every 360th DrawFrame, and the scripted inputs that fall due, until the
  // sink ends or this call has raised its budget of DrawFrame events.
  // Pointer positions pass the same filter as on screen: the first one only
  // places the pointer.
  void RunEvents(DrawingEvents& sink) override;
  // Recorded; false, as there is no display to show it.
  bool ShowMessageBox(const std::string& title, const std::string& text) override;

  void SetEventBudget(std::uint64_t drawFrames) { budget_ = drawFrames; }
  void Script(const ScriptedInput& input);

  std::uint64_t FramesRaised() const { return framesRaised_; }
  double SimulatedSeconds() const { return static_cast<double>(framesRaised_) / 360.0; }
  const std::vector<ShownMessage>& Messages() const { return messages_; }

 private:
  void RaiseDueInputs(DrawingEvents& sink);

  std::uint64_t budget_ = 3600;  // ten simulated seconds per call
  std::uint64_t framesRaised_ = 0;
  std::vector<ScriptedInput> script_;  // sorted by afterFrames, stable
  std::size_t nextInput_ = 0;
  PointerFilter pointer_;
  std::vector<ShownMessage> messages_;
};

}  // namespace aerolark
