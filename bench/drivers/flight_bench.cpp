// The saver's own frame handler over its own pictures, flying as it does on
// screen (headless, simulated time), measured in frame copies.

#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "drivers/headless/headless_events.h"
#include "drivers/headless/silent_sound_player.h"
#include "drivers/sdl/sdl_backends.h"
#include "drivers/software/software_compositor.h"
#include "drivers/frame_copies.h"
#include "platform/null/null_platform.h"
#include "saver/form1.h"
#include "settings/linux/ini_settings_store.h"
#include "settings/setting_keys.h"

namespace aerolark {
namespace {

// Mid-afternoon, always: the clock text never changes its width.
class StillClock final : public Clock {
 public:
  double MonotonicSeconds() const override { return 0.0; }
  std::string TimeOfDayText() const override { return "16:20:00"; }
};

// A saver at its default settings with both one-time hints already shown,
// composing a scene on every `tunePC`-th event.
class Flight {
 public:
  explicit Flight(const char* tunePC)
      : folder_(MakeFolder()), settings_(folder_ / "aerolark.ini") {
    WriteDefaults(settings_, AEROLARK_SHARE_DIR);
    WriteSetting(settings_, Key::TuneScrSvr, "True");
    WriteSetting(settings_, Key::RunMonitor, "True");
    WriteSetting(settings_, Key::TunePC, tunePC);
    form_.Load();
    Fly(20 * 360);  // the relay under way and the fast aircraft out
  }
  ~Flight() { std::filesystem::remove_all(folder_); }

  void Fly(std::uint64_t events) {
    events_.SetEventBudget(events);
    events_.RunEvents(form_);
  }

 private:
  static std::filesystem::path MakeFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "aerolark-flight-XXXXXX").string();
    return ::mkdtemp(pattern.data());
  }

  std::filesystem::path folder_;
  IniSettingsStore settings_;
  SdlCodecs codecs_;
  SoftwareCompositor drawing_{*codecs_.pictures, *codecs_.text};
  HeadlessEvents events_;
  SilentSoundPlayer sound_;
  NullPlatform platform_;
  StillClock clock_;
  Form1 form_{SaverServices{settings_, drawing_, events_, sound_, platform_, clock_,
                            AEROLARK_SHARE_DIR}};
};

// TunePC 0: every event composes a whole scene, draws the clock and flips.
// Target: at most 2 frame copies per scene.
void BM_SaverSceneInFlight(benchmark::State& state) {
  Flight flight("0");
  MeasureInFrameCopies(state, [&] { flight.Fly(360); }, 360);
}
BENCHMARK(BM_SaverSceneInFlight);

// Default settings: one scene every sixth event, the clock on every one.
void BM_SaverEventInFlight(benchmark::State& state) {
  Flight flight("6");
  MeasureInFrameCopies(state, [&] { flight.Fly(360); }, 360);
}
BENCHMARK(BM_SaverEventInFlight);

}  // namespace
}  // namespace aerolark
