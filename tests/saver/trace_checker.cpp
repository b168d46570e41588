#include "trace_checker.h"

#include <unistd.h>

#include <cmath>
#include <fstream>
#include <vector>

#include "saver/form1.h"
#include "settings/ini_settings_store.h"
#include "support/call_log.h"

namespace aerolark::testing {
namespace {

constexpr const char* kClockColour = "65535";  // yellow

std::string Unescape(const std::string& field) {
  std::string text;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 1 < field.size()) {
      char next = field[++i];
      text.push_back(next == 't' ? '\t' : next == 'n' ? '\n' : next);
    } else {
      text.push_back(field[i]);
    }
  }
  return text;
}

// The trace being replayed: a cursor over its lines, and the first difference.
class Replay {
 public:
  explicit Replay(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  bool done() const { return at_ >= lines_.size() || !failure_.empty(); }
  const std::string& next() const { return lines_[at_]; }
  bool NextIs(const std::string& line) const { return at_ < lines_.size() && lines_[at_] == line; }

  // Matches a line the window made; for calls with a result, only the part
  // before " = " is compared and the trace's result is returned.
  std::string Expect(const std::string& made) {
    if (!failure_.empty()) return {};
    if (at_ >= lines_.size()) return Fail(made, "<end of trace>");
    const std::string& traced = lines_[at_];
    std::size_t result = traced.find("\t=\t");
    bool same = result == std::string::npos ? traced == made
                                            : traced.compare(0, result, made) == 0 &&
                                                  made.size() == result;
    if (!same) return Fail(made, traced);
    ++at_;
    return result == std::string::npos ? std::string() : traced.substr(result + 3);
  }
  void Skip() { ++at_; }

  // The text of the next clock drawing from here on, or "" when none follows.
  std::string NextClockText() const {
    for (std::size_t i = at_; i < lines_.size(); ++i) {
      std::vector<std::string> f = Split(lines_[i]);
      if (f.size() == 6 && f[1] == "DrawText" && f[3] == "0" && f[4] == "0" &&
          f[5] == kClockColour) {
        return Unescape(f[2]);
      }
    }
    return {};
  }

  std::size_t position() const { return at_; }
  const std::string& failure() const { return failure_; }

 private:
  std::string Fail(const std::string& made, const std::string& traced) {
    failure_ = "line " + std::to_string(at_ + 1) + ": trace has \"" + traced +
               "\", the rules give \"" + made + "\"";
    return {};
  }

  std::vector<std::string> lines_;
  std::size_t at_ = 0;
  std::string failure_;
};

class ReplayDrawing final : public DrawingControl {
 public:
  explicit ReplayDrawing(Replay& replay) : replay_(replay) {}
  bool OpenScreen(std::int32_t w, std::int32_t h, std::int32_t depth,
                  const std::string& options) override {
    return Call(CallLine("OpenScreen").Number(w).Number(h).Number(depth).Text(options)) == "True";
  }
  SpriteId NewSprite() override { return Number(Call(CallLine("NewSprite"))); }
  void LoadSprite(SpriteId id, std::int32_t frames, const std::string& path,
                  std::int32_t keyMode) override {
    Call(CallLine("LoadSprite").Number(id).Number(frames).Text(path).Number(keyMode));
  }
  void SetSpriteX(SpriteId id, std::int32_t x) override {
    Call(CallLine("SetSpriteX").Number(id).Number(x));
  }
  void SetSpriteY(SpriteId id, std::int32_t y) override {
    Call(CallLine("SetSpriteY").Number(id).Number(y));
  }
  void MoveSpriteX(SpriteId id, std::int32_t d) override {
    Call(CallLine("MoveSpriteX").Number(id).Number(d));
  }
  void MoveSpriteY(SpriteId id, std::int32_t d) override {
    Call(CallLine("MoveSpriteY").Number(id).Number(d));
  }
  std::int32_t GetSpriteX(SpriteId id) override {
    return Number(Call(CallLine("GetSpriteX").Number(id)));
  }
  void DrawSprite(SpriteId id) override { Call(CallLine("DrawSprite").Number(id)); }
  void FillScreen(Colour colour) override { Call(CallLine("FillScreen").Number(colour)); }
  void SetFont(const std::string& name, std::int32_t size, std::int32_t charset, bool bold,
               bool italic, bool underline) override {
    Call(CallLine("SetFont").Text(name).Number(size).Number(charset).Flag(bold).Flag(italic)
             .Flag(underline));
  }
  void DrawText(const std::string& text, std::int32_t x, std::int32_t y, Colour c) override {
    Call(CallLine("DrawText").Text(text).Number(x).Number(y).Number(c));
  }
  void FlipScreen() override { Call(CallLine("FlipScreen")); }
  // Not traced: a picture that does not cover the frame shows as a black
  // fill right before it in the trace.
  bool SpriteCoversScreen(SpriteId) override {
    return !replay_.NextIs(CallLine("FillScreen").Number(0).str());
  }

 private:
  std::string Call(const TraceLine& line) { return replay_.Expect(line.str()); }
  static std::int32_t Number(const std::string& text) {
    try {
      return static_cast<std::int32_t>(std::stol(text));
    } catch (...) {
      return 0;
    }
  }
  Replay& replay_;
};

class ReplaySound final : public SoundControl {
 public:
  explicit ReplaySound(Replay& replay) : replay_(replay) {}
  SoundNumber LoadSound(const std::string& path) override {
    std::string result = replay_.Expect(CallLine("LoadSound").Text(path).str());
    return result.empty() ? 0 : static_cast<SoundNumber>(std::stol(result));
  }
  void SetSoundVolume(SoundNumber id, std::int32_t v) override {
    replay_.Expect(CallLine("SetSoundVolume").Number(id).Number(v).str());
  }
  void PlaySound(SoundNumber id, std::int32_t a, std::int32_t b) override {
    replay_.Expect(CallLine("PlaySound").Number(id).Number(a).Number(b).str());
  }
  void StopSound(SoundNumber id) override { replay_.Expect(CallLine("StopSound").Number(id).str()); }
  void StopAllSounds() override { replay_.Expect(CallLine("StopAllSounds").str()); }
  void ReleaseSound(SoundNumber id) override {
    replay_.Expect(CallLine("ReleaseSound").Number(id).str());
  }

 private:
  Replay& replay_;
};

class ReplayServices final : public PlatformServices, public EventTrace, public EventSource,
                             public Clock {
 public:
  explicit ReplayServices(Replay& replay) : replay_(replay) {}
  double now = 0;

  bool TopLevelWindowExists(const std::string&) override { return false; }
  std::optional<WindowSize> ClientSize(ForeignWindow) override { return std::nullopt; }
  int RunPreview(ForeignWindow, const StillPicture&) override { return 1; }
  std::vector<MonitorArea> Monitors() override { return {}; }
  void ShowCursor(bool visible) override {
    replay_.Expect(CallLine("ShowCursor").Flag(visible).str());
  }
  void SetScreenSaverRunning(bool running) override {
    replay_.Expect(CallLine("ScreenSaverRunning").Flag(running).str());
  }
  void Event(std::string_view name) override { replay_.Expect(TraceLine('E').Text(name).str()); }
  void RunEvents(DrawingEvents&) override {}
  // The box itself is not traced.
  bool ShowMessageBox(const std::string&, const std::string&) override { return true; }
  double MonotonicSeconds() const override { return now; }
  std::string TimeOfDayText() const override { return replay_.NextClockText(); }

 private:
  Replay& replay_;
};

// Settings writes are traced as W lines before they reach the store.
class ReplaySettings final : public Settings {
 public:
  ReplaySettings(Replay& replay, Settings& store) : replay_(replay), store_(store) {}
  std::string ReadSetting(std::string_view s, std::string_view k, std::string_view f) override {
    return store_.ReadSetting(s, k, f);
  }
  WriteStatus WriteSetting(std::string_view s, std::string_view k, std::string_view v) override {
    replay_.Expect(TraceLine('W').Text(s).Text(k).Text(v).str());
    return store_.WriteSetting(s, k, v);
  }

 private:
  Replay& replay_;
  Settings& store_;
};

std::vector<std::string> ReadLines(std::istream& in) {
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

// Raises the event the trace's next E line names. Returns false for a line
// that no event of the window explains.
bool Dispatch(Replay& replay, Form1& form, ReplayServices& services, double& frames) {
  const std::string line = replay.next();
  if (line == "E\tDrawFrame") {
    frames += 1;
    services.now += 1.0 / 360;
    form.DrawFrame();
  } else if (line == "E\tPointerMoved") {
    form.PointerMoved();
  } else if (line == "E\tButtonEvent") {
    form.ButtonEvent();
  } else if (line == "E\tKeyEvent") {
    form.KeyEvent();
  } else if (line == "E\tTimer1" || line == "E\ttmrPause") {
    services.now = std::floor(services.now) + 1;
    form.SecondTick();
  } else if (line == "C\tScreenSaverRunning\tTrue") {
    replay.Skip();  // the start-up's own call once the window has loaded
  } else {
    return false;
  }
  return true;
}

}  // namespace

TraceCheck CheckTrace(std::istream& trace, const std::filesystem::path& settingsBeforeRun,
                      const std::string& installFolder) {
  Replay replay(ReadLines(trace));
  std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                 ("aerolark-replay-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  std::filesystem::path copy = folder / "aerolark.ini";
  std::filesystem::remove(copy);
  if (std::filesystem::exists(settingsBeforeRun)) std::filesystem::copy_file(settingsBeforeRun, copy);
  TraceCheck check;
  {
    IniSettingsStore store(copy);
    ReplaySettings settings(replay, store);
    ReplayDrawing drawing(replay);
    ReplaySound sound(replay);
    ReplayServices services(replay);
    Form1 form(SaverServices{settings, drawing, services, sound, services, services, installFolder,
                             &services});
    double frames = 0;
    if (replay.done() || replay.next() != "E\tLoad") {
      check.ok = false;
      check.difference = "line 1: the trace does not begin with the window's load";
    } else {
      form.Load();
    }
    while (check.ok && !replay.done() && !form.Ended()) {
      if (!Dispatch(replay, form, services, frames)) {
        check.ok = false;
        check.difference = "line " + std::to_string(replay.position() + 1) +
                           ": no event of the saver window explains \"" + replay.next() + "\"";
        break;
      }
    }
    if (check.ok && !replay.failure().empty()) {
      check.ok = false;
      check.difference = replay.failure();
    }
    if (check.ok && !replay.done()) {
      check.ok = false;
      check.difference = "line " + std::to_string(replay.position() + 1) +
                         ": the trace goes on after the saver ended: \"" + replay.next() + "\"";
    }
    check.linesChecked = replay.position();
  }
  std::filesystem::remove_all(folder);
  return check;
}

}  // namespace aerolark::testing
