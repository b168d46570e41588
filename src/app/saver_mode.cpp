#include "app/saver_mode.h"

#include <memory>
#include <optional>

#include "app/shared_speaker_sound.h"
#include "app/trace_file.h"
#include "app/traced_services.h"
#include "drivers/drivers.h"
#include "platform/instance_registry.h"
#include "platform/null/null_platform.h"
#include "platform/x11/x11_platform.h"
#include "saver/form1.h"
#include "saver/system_clock.h"

namespace aerolark {
namespace {

std::unique_ptr<PlatformServices> ChoosePlatform(const SaverPlacement& placement) {
  // Under a host the pointer and the screen belong to the host.
  std::unique_ptr<PlatformServices> platform =
      CreateX11Platform(X11PlatformOptions{.managePointer = !placement.hostWindow});
  if (platform) return platform;
  return std::make_unique<NullPlatform>();
}

// The saver's services, wrapped so every call is written to the trace when
// one is asked for.
class SaverRun {
 public:
  explicit SaverRun(const SaverLaunch& launch)
      : platform_(ChoosePlatform(launch.placement)),
        drawing_(CreateSdlDrawingDriver(ScreenOptions{launch.placement.windowed,
                                                      launch.placement.hostWindow,
                                                      platform_->Monitors()})),
        deviceSound_(CreateSdlSoundPlayer()),
        speaker_(InstanceRegistry::DefaultFolder(), launch.display),
        sound_(std::make_unique<SharedSpeakerSound>(*deviceSound_, speaker_)) {
    if (!launch.tracePath.empty()) trace_.emplace(launch.tracePath);
    if (trace_ && trace_->isOpen()) {
      tracedDrawing_ = std::make_unique<TracedDrawing>(*drawing_, *drawing_, *trace_);
      tracedSound_ = std::make_unique<TracedSound>(*sound_, *trace_);
      tracedSettings_ = std::make_unique<TracedSettings>(launch.settings, *trace_);
      tracedPlatform_ = std::make_unique<TracedPlatform>(*platform_, *trace_);
      tracedEvents_ = std::make_unique<TracedEvents>(*trace_);
    }
    form_ = std::make_unique<Form1>(SaverServices{
        tracedSettings_ ? *tracedSettings_ : launch.settings,
        tracedDrawing_ ? static_cast<DrawingControl&>(*tracedDrawing_) : *drawing_,
        tracedDrawing_ ? static_cast<EventSource&>(*tracedDrawing_) : *drawing_,
        tracedSound_ ? *tracedSound_ : *sound_,
        platform(),
        clock_,
        launch.installFolder,
        tracedEvents_.get()});
  }

  int Run() {
    form_->Load();
    if (!form_->Ended()) {
      platform().SetScreenSaverRunning(true);
      events().RunEvents(*form_);
    }
    if (trace_) trace_->Flush();
    return form_->ExitStatus();
  }

 private:
  PlatformServices& platform() { return tracedPlatform_ ? *tracedPlatform_ : *platform_; }
  EventSource& events() {
    return tracedDrawing_ ? static_cast<EventSource&>(*tracedDrawing_) : *drawing_;
  }

  std::unique_ptr<PlatformServices> platform_;
  std::unique_ptr<DrawingDriver> drawing_;
  std::unique_ptr<SoundControl> deviceSound_;
  SpeakerLock speaker_;
  std::unique_ptr<SoundControl> sound_;
  SystemClock clock_;
  std::optional<TraceFile> trace_;
  std::unique_ptr<TracedDrawing> tracedDrawing_;
  std::unique_ptr<TracedSound> tracedSound_;
  std::unique_ptr<TracedSettings> tracedSettings_;
  std::unique_ptr<TracedPlatform> tracedPlatform_;
  std::unique_ptr<TracedEvents> tracedEvents_;
  std::unique_ptr<Form1> form_;
};

}  // namespace

int RunSaverMode(const SaverLaunch& launch) {
  SaverRun run(launch);
  return run.Run();
}

}  // namespace aerolark
