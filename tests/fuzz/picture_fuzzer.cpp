// Any bytes given to the drawing control as a picture file: loading never
// crashes or exhausts memory, and drawing what loaded at the edges and in the
// middle of the screen stays inside the frame.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "drivers/sdl/sdl_backends.h"
#include "drivers/software/software_compositor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace aerolark;
  const std::string path = "/tmp/aerolark-picture-fuzz-" + std::to_string(::getpid());
  if (!std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), size)) {
    std::abort();
  }

  // One screen for the whole run, as the saver has: each load replaces the
  // sprite's picture (or empties it), so no input depends on an earlier one.
  static SdlCodecs codecs;
  static SoftwareCompositor driver(*codecs.pictures, *codecs.text);
  static const bool opened = driver.OpenScreen(800, 600, 16, "");
  static const SpriteId flyer = driver.NewSprite();
  static const SpriteId whole = driver.NewSprite();
  if (!opened) std::abort();
  driver.LoadSprite(flyer, 1, path, -1);
  driver.LoadSprite(whole, 1, path, -2);

  const int places[][2] = {{0, 0}, {-281, 180}, {805, 75}, {799, 599}, {400, 300}, {-5000, -5000}};
  for (const auto& place : places) {
    for (SpriteId id : {flyer, whole}) {
      driver.SetSpriteX(id, place[0]);
      driver.SetSpriteY(id, place[1]);
      driver.DrawSprite(id);
    }
  }
  driver.MoveSpriteX(flyer, -3);
  driver.DrawSprite(flyer);
  driver.FlipScreen();
  ::unlink(path.c_str());
  return 0;
}
