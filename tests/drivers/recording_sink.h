#pragma once
// A sink that records the events it gets, numbered by the DrawFrames before
// them, and ends on the first key or after a chosen number of frames.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "render/drawing_events.h"

namespace aerolark::testing {

struct Recorded {
  std::string event;
  std::uint64_t afterFrames;
  bool operator==(const Recorded&) const = default;
};

class RecordingSink : public DrawingEvents {
 public:
  void DrawFrame() override {
    ++frames;
    if (onFrame) onFrame(frames);
    if (frameLimit && frames >= frameLimit) ended = true;
  }
  void PointerMoved() override { Note("PointerMoved"); }
  void ButtonEvent() override { Note("ButtonEvent"); }
  void KeyEvent() override {
    Note("KeyEvent");
    if (endOnKey) ended = true;
  }
  void SecondTick() override { Note("SecondTick"); }
  bool Ended() const override { return ended; }

  std::vector<std::string> Events() const {
    std::vector<std::string> names;
    for (const auto& r : recorded) names.push_back(r.event);
    return names;
  }

  std::uint64_t frames = 0;
  std::uint64_t frameLimit = 0;  // 0: no limit
  bool endOnKey = true;
  bool ended = false;
  std::function<void(std::uint64_t)> onFrame;
  std::vector<Recorded> recorded;

 private:
  void Note(const std::string& event) { recorded.push_back({event, frames}); }
};

}  // namespace aerolark::testing
