#pragma once
// Wrappers that write every call on the two controls, every settings write,
// the pointer and screen-saver calls and every event to the trace file, then
// pass the call on. Installed only when tracing is asked for; the tests
// record calls through the same wrappers.

#include "app/trace_sink.h"
#include "assets/sound_control.h"
#include "platform/platform_services.h"
#include "render/drawing_control.h"
#include "render/drawing_events.h"
#include "saver/event_trace.h"
#include "settings/settings.h"

namespace aerolark {

class TracedDrawing final : public DrawingControl {
 public:
  TracedDrawing(DrawingControl& drawing, TraceSink& trace) : drawing_(drawing), trace_(trace) {}

  bool OpenScreen(std::int32_t width, std::int32_t height, std::int32_t bitDepth,
                  const std::string& options) override;
  SpriteId NewSprite() override;
  void LoadSprite(SpriteId id, std::int32_t frames, const std::string& path,
                  std::int32_t keyMode) override;
  void SetSpriteX(SpriteId id, std::int32_t x) override;
  void SetSpriteY(SpriteId id, std::int32_t y) override;
  void MoveSpriteX(SpriteId id, std::int32_t deltaX) override;
  void MoveSpriteY(SpriteId id, std::int32_t deltaY) override;
  std::int32_t GetSpriteX(SpriteId id) override;
  void DrawSprite(SpriteId id) override;
  void FillScreen(Colour colour) override;
  void SetFont(const std::string& name, std::int32_t size, std::int32_t charset, bool bold,
               bool italic, bool underline) override;
  void DrawText(const std::string& text, std::int32_t x, std::int32_t y, Colour colour) override;
  void FlipScreen() override;
  // A query, not a drawing call: passed on without a trace line.
  bool SpriteCoversScreen(SpriteId id) override { return drawing_.SpriteCoversScreen(id); }

 private:
  DrawingControl& drawing_;
  TraceSink& trace_;
};

class TracedSound final : public SoundControl {
 public:
  TracedSound(SoundControl& sound, TraceSink& trace) : sound_(sound), trace_(trace) {}
  SoundNumber LoadSound(const std::string& path) override;
  void SetSoundVolume(SoundNumber id, std::int32_t volume) override;
  void PlaySound(SoundNumber id, std::int32_t a, std::int32_t b) override;
  void StopSound(SoundNumber id) override;
  void StopAllSounds() override;
  void ReleaseSound(SoundNumber id) override;

 private:
  SoundControl& sound_;
  TraceSink& trace_;
};

class TracedSettings final : public Settings {
 public:
  TracedSettings(Settings& settings, TraceSink& trace) : settings_(settings), trace_(trace) {}
  std::string ReadSetting(std::string_view section, std::string_view key,
                          std::string_view fallback) override {
    return settings_.ReadSetting(section, key, fallback);
  }
  WriteStatus WriteSetting(std::string_view section, std::string_view key,
                           std::string_view value) override;

 private:
  Settings& settings_;
  TraceSink& trace_;
};

class TracedPlatform final : public PlatformServices {
 public:
  TracedPlatform(PlatformServices& platform, TraceSink& trace)
      : platform_(platform), trace_(trace) {}
  bool TopLevelWindowExists(const std::string& title) override {
    return platform_.TopLevelWindowExists(title);
  }
  int RunPreview(ForeignWindow parent, const StillPicture& picture) override {
    return platform_.RunPreview(parent, picture);
  }
  std::vector<MonitorArea> Monitors() override { return platform_.Monitors(); }
  void ShowCursor(bool visible) override;
  void SetScreenSaverRunning(bool running) override;

 private:
  PlatformServices& platform_;
  TraceSink& trace_;
};

class TracedEvents final : public EventTrace {
 public:
  explicit TracedEvents(TraceSink& trace) : trace_(trace) {}
  void Event(std::string_view name) override;

 private:
  TraceSink& trace_;
};

}  // namespace aerolark
