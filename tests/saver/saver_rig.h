#pragma once
// A saver window wired to recording fakes, a fake clock and a real settings
// file in a fresh temporary folder.

#include <filesystem>
#include <memory>
#include <string>

#include "saver/form1.h"
#include "settings/linux/ini_settings_store.h"
#include "settings/setting_keys.h"
#include "support/call_log.h"
#include "app/traced_services.h"
#include "platform/null/null_platform.h"
#include "support/files.h"
#include "support/stub_drawing.h"
#include "support/stub_services.h"

namespace aerolark::testing {

inline const std::string kInstall = "/opt/aerolark/share/";

struct SaverRig {
  TempFolder folder{"aerolark-saver"};
  IniSettingsStore store{folder.path() / "aerolark.ini"};
  CallLog log;
  // Stand-ins, each wrapped in the program's trace wrapper that records its calls.
  TracedSettings settings{store, log};
  StubDrawing drawingStub;
  ScriptedEvents events{log};
  TracedDrawing drawing{drawingStub, log};
  StubSound soundStub;
  TracedSound sound{soundStub, log};
  NullPlatform platformStub;
  TracedPlatform platform{platformStub, log};
  FakeClock clock;
  TracedEvents trace{log};
  std::unique_ptr<Form1> form;
  bool oneTimeHints = true;  // false: a host's small preview

  // Fills the store as a first start would, without recording the writes.
  SaverRig& Defaults() {
    WriteDefaults(store, kInstall);
    return *this;
  }
  SaverRig& Set(Key key, const std::string& value) {
    WriteSetting(store, key, value);
    return *this;
  }
  // Both hints already shown: no hint sprites, no hint drawing.
  SaverRig& HintsShown() { return Set(Key::TuneScrSvr, "True").Set(Key::RunMonitor, "True"); }
  // The flyers alone: filled, hints shown, a black background, every event composed.
  SaverRig& Bare() { return Defaults().HintsShown().Set(Key::BackGround, "1").Set(Key::TunePC, "0"); }
  void WriteFile(const std::string& text) { WriteText(store.path(), text); }

  Form1& Load() {
    form = std::make_unique<Form1>(
        SaverServices{settings, drawing, events, sound, platform, clock, kInstall, &trace,
                      oneTimeHints});
    form->Load();
    return *form;
  }
  // Frames with a clean log, for looking at one event's calls.
  std::size_t Mark() const { return log.lines().size(); }
  void Frames(int count) {
    for (int i = 0; i < count; ++i) form->DrawFrame();
  }
  void Seconds(int count) {
    for (int i = 0; i < count; ++i) {
      clock.now += 1;
      form->SecondTick();
    }
  }
};

inline std::string Num(long long value) { return std::to_string(value); }

}  // namespace aerolark::testing
