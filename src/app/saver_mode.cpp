#include "app/saver_mode.h"

#include <iostream>
#include <memory>
#include <optional>

#include "app/backends.h"
#include "app/trace_file.h"
#include "app/traced_services.h"
#include "saver/form1.h"
#include "saver/system_clock.h"

namespace aerolark {
namespace {

// The saver's services, wrapped so every call is written to the trace when
// one is asked for.
class SaverRun {
 public:
  explicit SaverRun(const SaverLaunch& launch)
      : backends_(launch.placement, launch.environment) {
    const std::string& tracePath = launch.environment.tracePath;
    if (!tracePath.empty()) trace_.emplace(tracePath);
    if (trace_ && trace_->isOpen()) {
      tracedDrawing_ = std::make_unique<TracedDrawing>(backends_.drawing(), *trace_);
      tracedSound_ = std::make_unique<TracedSound>(backends_.sound(), *trace_);
      tracedSettings_ = std::make_unique<TracedSettings>(launch.settings, *trace_);
      tracedPlatform_ = std::make_unique<TracedPlatform>(backends_.platform(), *trace_);
      tracedEvents_ = std::make_unique<TracedEvents>(*trace_);
    }
    form_ = std::make_unique<Form1>(SaverServices{
        tracedSettings_ ? *tracedSettings_ : launch.settings,
        tracedDrawing_ ? static_cast<DrawingControl&>(*tracedDrawing_) : backends_.drawing(),
        backends_.events(),
        tracedSound_ ? static_cast<SoundControl&>(*tracedSound_) : backends_.sound(),
        platform(),
        clock_,
        launch.installFolder,
        tracedEvents_.get(),
        !backends_.inSmallPreview()});
  }

  int Run() {
    form_->Load();
    if (!form_->Ended()) {
      // Said once the screen is up: without one, its explanation is enough.
      if (backends_.soundMissing()) {
        std::cerr << "aerolark: no sound device could be opened; the saver runs silent.\n";
      }
      platform().SetScreenSaverRunning(true);
      backends_.events().RunEvents(*form_);
    }
    if (trace_) trace_->Flush();
    return form_->ExitStatus();
  }

 private:
  PlatformServices& platform() {
    return tracedPlatform_ ? static_cast<PlatformServices&>(*tracedPlatform_)
                           : backends_.platform();
  }

  SaverBackends backends_;
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
