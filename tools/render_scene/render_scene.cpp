// render-scene: runs the saver headless for some seconds of simulated time,
// at default settings, and writes the last frame as a PNG. It makes the
// README's picture: `make screenshot`.
//
// Usage: render-scene OUTPUT.png SECONDS INSTALL_FOLDER/ [Key=Value...]
// Each Key=Value is stored over the defaults, e.g. TuneScrSvr=False to keep
// the first one-time hint, or MessageChecked=1 FontSize=60 for the message.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "drivers/headless/headless_events.h"
#include "drivers/headless/png_file.h"
#include "drivers/headless/silent_sound_player.h"
#include "drivers/sdl/sdl_backends.h"
#include "drivers/software/software_compositor.h"
#include "platform/null/null_platform.h"
#include "saver/form1.h"
#include "settings/linux/ini_settings_store.h"
#include "settings/setting_keys.h"

namespace {

// Stores "Key=Value" under the key's declared section; false for anything else.
bool StoreOverride(aerolark::Settings& settings, const std::string& assignment) {
  const auto equals = assignment.find('=');
  if (equals == std::string::npos) return false;
  const std::string name = assignment.substr(0, equals);
  for (const auto& declared : aerolark::SettingDeclarations()) {
    if (declared.name == name) {
      return settings.WriteSetting(declared.section, name, assignment.substr(equals + 1)).ok;
    }
  }
  return false;
}

// A fixed afternoon, so the picture does not change with the time it was made.
class FixedClock final : public aerolark::Clock {
 public:
  double MonotonicSeconds() const override { return 0.0; }
  std::string TimeOfDayText() const override { return "16:20:00"; }
};

}  // namespace

int main(int argc, char** argv) {
  using namespace aerolark;
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s OUTPUT.png SECONDS INSTALL_FOLDER/ [Key=Value...]\n",
                 argv[0]);
    return 2;
  }
  const double seconds = std::atof(argv[2]);
  std::string folderPattern =
      (std::filesystem::temp_directory_path() / "aerolark-render-XXXXXX").string();
  if (::mkdtemp(folderPattern.data()) == nullptr) return 1;
  const std::filesystem::path folder(folderPattern);

  // Default settings with both one-time hints already seen: the scene itself.
  IniSettingsStore settings(folder / "aerolark.ini");
  WriteDefaults(settings, argv[3]);
  WriteSetting(settings, Key::TuneScrSvr, "True");
  WriteSetting(settings, Key::RunMonitor, "True");
  for (int i = 4; i < argc; ++i) {
    if (!StoreOverride(settings, argv[i])) {
      std::fprintf(stderr, "not a setting: %s\n", argv[i]);
      std::filesystem::remove_all(folder);
      return 2;
    }
  }

  SdlCodecs codecs;
  SoftwareCompositor drawing(*codecs.pictures, *codecs.text);
  HeadlessEvents events;
  SilentSoundPlayer sound;
  NullPlatform platform;
  FixedClock clock;
  Form1 form(SaverServices{settings, drawing, events, sound, platform, clock, argv[3]});
  form.Load();
  events.SetEventBudget(static_cast<std::uint64_t>(seconds * 360.0));
  events.RunEvents(form);
  const bool saved = SavePng(drawing.Front(), argv[1]);
  std::filesystem::remove_all(folder);
  if (!saved) std::fprintf(stderr, "cannot write %s\n", argv[1]);
  return saved ? 0 : 1;
}
