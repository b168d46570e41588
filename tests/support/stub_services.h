#pragma once
// Stand-ins for the sound control and the driver's event source, and a
// fake clock. Calls are recorded by wrapping the stand-ins in the program's
// own trace wrappers (app/traced_services.h).

#include <string>

#include "assets/sound_control.h"
#include "render/drawing_events.h"
#include "saver/clock.h"
#include "support/call_log.h"

namespace aerolark::testing {

class StubSound final : public SoundControl {
 public:
  SoundNumber loadResult = 1;
  SoundNumber LoadSound(const std::string&) override { return loadResult; }
  void SetSoundVolume(SoundNumber, std::int32_t) override {}
  void PlaySound(SoundNumber, std::int32_t, std::int32_t) override {}
  void StopSound(SoundNumber) override {}
  void StopAllSounds() override {}
  void ReleaseSound(SoundNumber) override {}
};

// Records message boxes as `M <title> <text>` lines. The tests send the
// window its events themselves, so there is no loop to run.
class ScriptedEvents final : public EventSource {
 public:
  explicit ScriptedEvents(CallLog& log) : log_(log) {}
  bool messageBoxShown = true;  // false: as if no display could show it

  void RunEvents(DrawingEvents&) override {}
  bool ShowMessageBox(const std::string& title, const std::string& text) override {
    log_.Write(TraceLine('M').Text(title).Text(text));
    return messageBoxShown;
  }

 private:
  CallLog& log_;
};

class FakeClock final : public Clock {
 public:
  double now = 1000.0;
  std::string timeOfDay = "12:00:00";
  double MonotonicSeconds() const override { return now; }
  std::string TimeOfDayText() const override { return timeOfDay; }
};

}  // namespace aerolark::testing
