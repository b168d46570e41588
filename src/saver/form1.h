#pragma once
// The saver window: loads the settings and the scene, handles the drawing
// control's frame and input events and its three one-second timers, and ends
// the run on user input.

#include <string>
#include <string_view>

#include "assets/engine_sound.h"
#include "assets/sprite_loading.h"
#include "assets/sound_control.h"
#include "platform/platform_services.h"
#include "render/drawing_control.h"
#include "render/drawing_events.h"
#include "render/scene.h"
#include "saver/clock.h"
#include "saver/event_trace.h"
#include "saver/hint_timer.h"
#include "saver/loaded_settings.h"
#include "saver/pointer_exit.h"
#include "settings/settings.h"

namespace aerolark {

struct SaverServices {
  Settings& settings;
  DrawingControl& drawing;
  EventSource& events;
  SoundControl& sound;
  PlatformServices& platform;
  const Clock& clock;
  std::string installFolder;  // ends with '/': built-in names are appended directly
  EventTrace* trace = nullptr;  // null: no tracing
  // False inside a host's small preview: the one-time hints are neither
  // shown nor marked as shown there, so the person at the screen sees them.
  bool oneTimeHints = true;
};

class Form1 final : public DrawingEvents {
 public:
  explicit Form1(SaverServices services);

  // The load event: defaults when needed, the settings, the hidden pointer,
  // the screen with every sprite, the silent engine sound. When the screen
  // cannot be opened it tells the user and ends the run in order (Ended()).
  void Load();
  // Tells the desktop no saver runs, unloads the window (the sound is given
  // up, the pointer shown) and ends the run: no further event is handled.
  void CloseDown();

  void DrawFrame() override;
  void PointerMoved() override;
  void ButtonEvent() override;
  void KeyEvent() override;
  // The three one-second timers, in order: hint timer (while enabled), pause
  // timer, sound timer.
  void SecondTick() override;
  bool Ended() const override { return ended_; }

  // 0, or 1 when the screen failed and no display could show the message.
  int ExitStatus() const { return exitStatus_; }

  // The state, for inspection.
  const LoadedSettings& settings() const { return loaded_; }
  const Scene& scene() const { return scene_; }
  const EngineSound& engineSound() const { return engine_; }
  const HintTimer& hintTimer() const { return hintTimer_; }
  const PointerExit& pointerExit() const { return pointerExit_; }

 private:
  void Report(std::string_view event);
  void SetUpScene(const LoadedPictures& pictures);
  void ReportScreenFailure();
  void ExitSequence();
  void Unload();
  void PauseTimerTick();
  void SoundTimerTick();

  SaverServices services_;
  LoadedSettings loaded_;
  Scene scene_;
  EngineSound engine_;
  HintTimer hintTimer_;
  PointerExit pointerExit_;
  bool ended_ = false;
  int exitStatus_ = 0;
};

}  // namespace aerolark
