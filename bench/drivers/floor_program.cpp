// The floor the saver's whole-process cost is compared with: a program that
// shows one still 800 x 600 frame through the saver's own drawing driver,
// flipping it on every DrawFrame so that it is presented at the same rate,
// and that ends on a key, a button, a close request or SIGTERM.
//
// Usage: aerolark-floor [picture]. AEROLARK_WINDOWED=1 opens an ordinary
// window, as it does for the saver; AEROLARK_STATS=<file> writes the loop's
// figures.

#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <memory>
#include <string>

#include "drivers/sdl/sdl_display.h"

namespace {

class StillFrame : public aerolark::DrawingEvents {
 public:
  explicit StillFrame(aerolark::DrawingControl& drawing) : drawing_(drawing) {}
  void DrawFrame() override { drawing_.FlipScreen(); }
  void PointerMoved() override {}
  void ButtonEvent() override { ended_ = true; }
  void KeyEvent() override { ended_ = true; }
  void SecondTick() override {}
  bool Ended() const override { return ended_; }

 private:
  aerolark::DrawingControl& drawing_;
  bool ended_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  using namespace aerolark;
  const char* windowed = std::getenv("AEROLARK_WINDOWED");
  ScreenOptions options;
  options.windowed = windowed && std::strcmp(windowed, "1") == 0;
  if (const char* stats = std::getenv("AEROLARK_STATS")) options.statsPath = stats;
  SdlDisplay display(options);
  DrawingControl& drawing = display.drawing();
  if (!drawing.OpenScreen(800, 600, 16, "")) {
    std::fprintf(stderr, "aerolark-floor: no screen\n");
    return 1;
  }
  const std::string picture =
      argc > 1 ? argv[1] : std::string(AEROLARK_SHARE_DIR) + "Sunset Red.BMP";
  const SpriteId still = drawing.NewSprite();
  drawing.LoadSprite(still, 1, picture, kKeyOpaque);
  drawing.DrawSprite(still);
  StillFrame sink(drawing);
  display.RunEvents(sink);
  return 0;
}
