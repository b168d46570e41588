#include "support/recording_services.h"

namespace aerolark::testing {

SoundNumber RecordingSound::LoadSound(const std::string& path) {
  log_.Add(CallLine("LoadSound").Text(path).Result().Number(loadResult));
  return loadResult;
}

void RecordingSound::SetSoundVolume(SoundNumber id, std::int32_t volume) {
  log_.Add(CallLine("SetSoundVolume").Number(id).Number(volume));
}

void RecordingSound::PlaySound(SoundNumber id, std::int32_t a, std::int32_t b) {
  log_.Add(CallLine("PlaySound").Number(id).Number(a).Number(b));
}

void RecordingSound::StopSound(SoundNumber id) { log_.Add(CallLine("StopSound").Number(id)); }

void RecordingSound::StopAllSounds() { log_.Add(CallLine("StopAllSounds")); }

void RecordingSound::ReleaseSound(SoundNumber id) {
  log_.Add(CallLine("ReleaseSound").Number(id));
}

void RecordingPlatform::ShowCursor(bool visible) {
  log_.Add(CallLine("ShowCursor").Flag(visible));
}

void RecordingPlatform::SetScreenSaverRunning(bool running) {
  log_.Add(CallLine("ScreenSaverRunning").Flag(running));
}

std::string RecordingSettings::ReadSetting(std::string_view section, std::string_view key,
                                           std::string_view fallback) {
  reads.emplace_back(key);
  return store_.ReadSetting(section, key, fallback);
}

WriteStatus RecordingSettings::WriteSetting(std::string_view section, std::string_view key,
                                            std::string_view value) {
  log_.Add(TraceLine('W').Text(section).Text(key).Text(value));
  return store_.WriteSetting(section, key, value);
}

void RecordingTrace::Event(std::string_view name) { log_.Add(TraceLine('E').Text(name)); }

void ScriptedEvents::RunEvents(DrawingEvents& sink) {
  for (char event : script) {
    if (sink.Ended()) return;
    switch (event) {
      case 'F': sink.DrawFrame(); break;
      case 'S': sink.SecondTick(); break;
      case 'P': sink.PointerMoved(); break;
      case 'B': sink.ButtonEvent(); break;
      case 'K': sink.KeyEvent(); break;
      default: break;
    }
  }
}

bool ScriptedEvents::ShowMessageBox(const std::string& title, const std::string& text) {
  log_.Add(TraceLine('M').Text(title).Text(text));
  return messageBoxShown;
}

}  // namespace aerolark::testing
