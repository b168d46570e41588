#include "saver/form1.h"

#include <iostream>
#include <string>
#include <utility>

#include "render/frame_composer.h"
#include "settings/conversions.h"
#include "settings/setting_keys.h"

namespace aerolark {
namespace {

constexpr const char* kScreenFailureTitle = "Error opening Direct Draw!";
constexpr const char* kScreenFailureText =
    "This program requires that you use a monitor that is capable of displaying 64K colors.";

}  // namespace

Form1::Form1(SaverServices services)
    : services_(std::move(services)), engine_(services_.sound) {}

void Form1::Report(std::string_view event) {
  if (services_.trace != nullptr) services_.trace->Event(event);
}

void Form1::Load() {
  Report("Load");
  EnsureDefaults(services_.settings, services_.installFolder);
  loaded_ = ReadLoadedSettings(services_.settings);
  pointerExit_ = PointerExit(loaded_.mouseSens);
  engine_.Configure(loaded_.soundOffText, loaded_.volume);
  services_.platform.ShowCursor(false);
  scene_.sceneTick = loaded_.tunePC;
  // The sound timer refreshes the clock text every second; until its first
  // tick the clock shows the time of the load rather than midnight.
  scene_.overlays.SetClockTime(services_.clock.TimeOfDayText());

  LoadedPictures pictures =
      OpenDrawingSession(services_.drawing, services_.settings, services_.installFolder,
                         services_.oneTimeHints);
  if (!pictures.screenOpen) ReportScreenFailure();
  engine_.OpenSession(services_.installFolder, services_.settings);
  SetUpScene(pictures);
  // Without a screen there is nothing to run and nothing that could end the
  // run later: the way out is taken at once, in its usual order.
  if (!pictures.screenOpen) ExitSequence();
}

void Form1::SetUpScene(const LoadedPictures& pictures) {
  SceneOptions& options = scene_.options;
  options.backGround = pictures.screenOpen ? pictures.backGround : loaded_.backGround;
  options.tunePC = loaded_.tunePC;
  options.speed = loaded_.speed;
  options.backgroundPlane = SwitchOn(pictures.planeBG);
  options.aircraft = engine_.PropOn();
  options.bgFreq = NumericRead(loaded_.bgFreq);
  options.secDelay = loaded_.secDelay;

  scene_.sprites = pictures.sprites;
  scene_.hints.tuneShown = pictures.tuneShown;
  scene_.hints.monitorShown = pictures.monitorShown;

  OverlayOptions overlayOptions;
  overlayOptions.fontSize = loaded_.fontSize;
  overlayOptions.logoChecked = pictures.screenOpen ? pictures.logoChecked : loaded_.logoChecked;
  overlayOptions.clock = loaded_.clock;
  overlayOptions.fontClock = loaded_.fontClock;
  scene_.overlays.Configure(std::move(overlayOptions));
  scene_.overlays.message().checked = loaded_.messageChecked;
  scene_.overlays.message().fontName = loaded_.fontName;
}

// Without any display the box's words about a 64K-colour monitor would
// mislead: the driver's own explanation is given instead.
void Form1::ReportScreenFailure() {
  if (!services_.events.ShowMessageBox(kScreenFailureTitle, kScreenFailureText)) {
    const std::string noDisplay = services_.events.NoDisplayExplanation();
    std::cerr << (noDisplay.empty() ? kScreenFailureText : noDisplay) << '\n';
    exitStatus_ = 1;
  }
}

void Form1::ExitSequence() {
  engine_.SilenceAndRelease();
  CloseDown();
}

void Form1::CloseDown() {
  if (ended_) return;
  services_.platform.SetScreenSaverRunning(false);
  Unload();
  ended_ = true;
}

void Form1::Unload() {
  Report("Unload");
  engine_.ReleaseAndSilence();
  services_.platform.ShowCursor(true);
}

void Form1::DrawFrame() {
  if (ended_) return;
  Report("DrawFrame");
  DrawFrameEvent(scene_, services_.drawing, services_.settings, engine_);
}

void Form1::PointerMoved() {
  if (ended_) return;
  Report("PointerMoved");
  if (pointerExit_.CountMove(services_.clock.MonotonicSeconds())) ExitSequence();
}

void Form1::ButtonEvent() {
  if (ended_) return;
  Report("ButtonEvent");
  ExitSequence();
}

void Form1::KeyEvent() {
  if (ended_) return;
  Report("KeyEvent");
  ExitSequence();
}

void Form1::SecondTick() {
  if (ended_) return;
  if (hintTimer_.enabled()) {
    Report("Timer1");
    hintTimer_.Tick(scene_.hints, services_.settings);
  }
  Report("tmrPause");
  PauseTimerTick();
  Report("tmrSound");
  SoundTimerTick();
}

void Form1::PauseTimerTick() {
  scene_.crossers.CountSecond(scene_.options.bgFreq, scene_.options.secDelay);
}

void Form1::SoundTimerTick() {
  scene_.overlays.SetClockTime(services_.clock.TimeOfDayText());
  engine_.CountSecond();
}

}  // namespace aerolark
