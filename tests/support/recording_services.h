#pragma once
// Recording fakes of the sound control, the platform services, the settings
// writes, the event trace and the driver's event source, and a fake clock.

#include <optional>
#include <string>
#include <vector>

#include "assets/sound_control.h"
#include "platform/platform_services.h"
#include "render/drawing_events.h"
#include "saver/clock.h"
#include "saver/event_trace.h"
#include "settings/settings.h"
#include "support/call_log.h"

namespace aerolark::testing {

class RecordingSound final : public SoundControl {
 public:
  explicit RecordingSound(CallLog& log) : log_(log) {}
  SoundNumber loadResult = 1;

  SoundNumber LoadSound(const std::string& path) override;
  void SetSoundVolume(SoundNumber id, std::int32_t volume) override;
  void PlaySound(SoundNumber id, std::int32_t a, std::int32_t b) override;
  void StopSound(SoundNumber id) override;
  void StopAllSounds() override;
  void ReleaseSound(SoundNumber id) override;

 private:
  CallLog& log_;
};

class RecordingPlatform final : public PlatformServices {
 public:
  explicit RecordingPlatform(CallLog& log) : log_(log) {}

  // The saver window never asks these; they answer as a system without windows.
  bool TopLevelWindowExists(const std::string&) override { return false; }
  std::optional<WindowSize> ClientSize(ForeignWindow) override { return std::nullopt; }
  int RunPreview(ForeignWindow, const StillPicture&) override { return 1; }

  void ShowCursor(bool visible) override;
  void SetScreenSaverRunning(bool running) override;

 private:
  CallLog& log_;
};

// Passes everything to a real store and records each write as a `W` line.
class RecordingSettings final : public Settings {
 public:
  RecordingSettings(Settings& store, CallLog& log) : store_(store), log_(log) {}
  std::string ReadSetting(std::string_view section, std::string_view key,
                          std::string_view fallback) override;
  WriteStatus WriteSetting(std::string_view section, std::string_view key,
                           std::string_view value) override;

  std::vector<std::string> reads;  // the keys read, in order

 private:
  Settings& store_;
  CallLog& log_;
};

class RecordingTrace final : public EventTrace {
 public:
  explicit RecordingTrace(CallLog& log) : log_(log) {}
  void Event(std::string_view name) override;

 private:
  CallLog& log_;
};

// Records message boxes as `M <title> <text>` lines; RunEvents plays a script
// of event letters (F frame, S second, P pointer, B button, K key) until the
// sink has ended or the script is done.
class ScriptedEvents final : public EventSource {
 public:
  explicit ScriptedEvents(CallLog& log) : log_(log) {}
  bool messageBoxShown = true;  // false: as if no display could show it
  std::string script;

  void RunEvents(DrawingEvents& sink) override;
  bool ShowMessageBox(const std::string& title, const std::string& text) override;

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
