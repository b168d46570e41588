#include "render/hints.h"

#include "settings/conversions.h"
#include "settings/setting_keys.h"

namespace aerolark {
namespace {

constexpr int kTuneHintEnds = 30;
constexpr int kMonitorHintEnds = 60;

}  // namespace

void HintState::CountSecond(std::int16_t secondsSinceLoad, Settings& settings) {
  if (!tuneShown) {
    countdown = RoundToInt16(kTuneHintEnds - static_cast<double>(secondsSinceLoad));
    if (secondsSinceLoad == kTuneHintEnds) {
      tuneShown = true;
      WriteSetting(settings, Key::TuneScrSvr, "True");
    }
  }
  if (tuneShown && !monitorShown) {
    countdown = RoundToInt16(kMonitorHintEnds - static_cast<double>(secondsSinceLoad));
    if (secondsSinceLoad == kMonitorHintEnds) {
      monitorShown = true;
      WriteSetting(settings, Key::RunMonitor, "True");
    }
  }
}

}  // namespace aerolark
