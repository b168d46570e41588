#include "hostile/headless_saver.h"

#include <set>

#include "drivers/headless/headless_events.h"
#include "drivers/headless/silent_sound_player.h"
#include "drivers/sdl/sdl_backends.h"
#include "drivers/software/software_compositor.h"
#include "platform/null/null_platform.h"
#include "saver/form1.h"
#include "support/stub_services.h"

namespace aerolark::hostile {

SaverOutcome RunHeadlessSaver(Settings& settings, const std::string& installFolder, int frames,
                              int seconds) {
  SdlCodecs codecs;
  SoftwareCompositor drawing(*codecs.pictures, *codecs.text);
  HeadlessEvents events;
  SilentSoundPlayer sound;
  NullPlatform platform;
  testing::FakeClock clock;
  Form1 form(SaverServices{settings, drawing, events, sound, platform, clock, installFolder});

  SaverOutcome outcome;
  form.Load();
  outcome.loaded = !form.Ended();
  platform.SetScreenSaverRunning(outcome.loaded);
  const int framesPerTick = seconds > 0 ? frames / seconds : frames + 1;
  for (int i = 1; i <= frames && !form.Ended(); ++i) {
    form.DrawFrame();
    ++outcome.frames;
    if (i % framesPerTick == 0) {
      clock.now += 1;
      form.SecondTick();
    }
  }
  if (!form.Ended()) {
    form.KeyEvent();
    outcome.endedOnKey = form.Ended();
  }
  outcome.cursorShownAgain = platform.cursorVisible();
  outcome.saverRunningCleared = !platform.saverRunning();
  outcome.soundSilent = !sound.Playing(form.engineSound().id());
  outcome.exitStatus = form.ExitStatus();
  std::set<Pixel565> colours;
  const FrameBuffer& shown = drawing.Front();
  for (int y = 0; y < 600; y += 7) {
    for (int x = 0; x < 800; x += 7) colours.insert(shown.At(x, y));
  }
  outcome.spritesShown = static_cast<int>(colours.size());
  for (const ShownMessage& m : events.Messages()) outcome.messages.push_back(m.title);
  return outcome;
}

}  // namespace aerolark::hostile
