// The cost of composing frames, measured against the cheapest possible
// frame: one plain copy of 800 x 600 16-bit pixels. The counter
// `frame_copies` is the cost of one iteration in such copies.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <vector>

#include <SDL.h>

#include "drivers/sdl/sdl_backends.h"
#include "drivers/software/software_compositor.h"
#include "drivers/frame_copies.h"

namespace aerolark {
namespace {

constexpr Colour kMagenta = PackColour(255, 0, 255);

std::string WriteBmp(const std::string& path, int width, int height,
                     Colour (*rule)(int, int, int, int)) {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_BGR24);
  for (int y = 0; y < height; ++y) {
    auto* row = static_cast<Uint8*>(surface->pixels) + y * surface->pitch;
    for (int x = 0; x < width; ++x) {
      const Colour c = rule(x, y, width, height);
      row[x * 3 + 0] = (c >> 16) & 0xFF;
      row[x * 3 + 1] = (c >> 8) & 0xFF;
      row[x * 3 + 2] = c & 0xFF;
    }
  }
  SDL_SaveBMP(surface, path.c_str());
  SDL_FreeSurface(surface);
  return path;
}

Colour Sunset(int x, int y, int, int height) {
  return PackColour(255 - y * 128 / height, 80 + (x % 64), 40 + y * 100 / height);
}
// A plane-like shape: an ellipse body and a wing, magenta around them.
Colour Plane(int x, int y, int width, int height) {
  const double dx = (x - width / 2.0) / (width / 2.0), dy = (y - height / 2.0) / (height / 5.0);
  const bool body = dx * dx + dy * dy <= 1.0;
  const bool wing = std::abs(x - width / 2) < 20 && y > 5 && y < height - 5;
  return body || wing ? PackColour(200, 180 - y, 60 + x % 50) : kMagenta;
}
Colour Logo(int x, int y, int, int) { return PackColour(x % 256, y % 256, 128); }

struct Scene {
  Scene() {
    const auto dir = std::filesystem::temp_directory_path() / "aerolark-bench";
    std::filesystem::create_directories(dir);
    composer.OpenScreen(800, 600, 16, "");
    background = Sprite((dir / "sunset.bmp").string(), 800, 600, Sunset, kKeyOpaque);
    logo = Sprite((dir / "logo.bmp").string(), 200, 120, Logo, kKeyOpaque);
    for (int i = 0; i < 17; ++i) {
      flyers.push_back(Sprite((dir / "plane.bmp").string(), 280, 100, Plane, kKeyTopLeftTransparent));
      composer.SetSpriteX(flyers.back(), -281 + (i * 97) % 1086);
      composer.SetSpriteY(flyers.back(), (i * 37) % 560);
    }
    std::filesystem::remove_all(dir);
  }
  SpriteId Sprite(const std::string& path, int w, int h, Colour (*rule)(int, int, int, int),
                  std::int32_t keyMode) {
    WriteBmp(path, w, h, rule);
    const SpriteId id = composer.NewSprite();
    composer.LoadSprite(id, 1, path, keyMode);
    return id;
  }
  void DrawClock() {
    composer.SetFont("Arial", 20, 1, false, false, false);
    composer.DrawText("12:34:56", 0, 0, PackColour(255, 255, 0));
  }
  void Compose() {
    composer.DrawSprite(background);
    composer.SetFont("Arial", 30, 1, false, false, false);
    composer.DrawText("Fly with us over the evening sky", 5, 560, PackColour(0, 255, 255));
    composer.DrawSprite(logo);
    for (SpriteId id : flyers) {
      composer.MoveSpriteX(id, 1);
      composer.DrawSprite(id);
    }
    DrawClock();
    composer.SetFont("Arial", 14, 1, false, false, false);
    composer.DrawText("1 of 2 Messages. These messages will only be displayed one time", 150, 225,
                      PackColour(255, 255, 0));
    composer.DrawText("This graphic will disappear in: 9 seconds", 150, 235, PackColour(255, 255, 0));
  }

  SdlCodecs codecs;
  SoftwareCompositor composer{*codecs.pictures, *codecs.text};
  SpriteId background = 0, logo = 0;
  std::vector<SpriteId> flyers;
};

// The saver's own scene: the built-in pictures at places they take in flight,
// the message, the logo, a hint picture with its countdown, and the clock.
struct RealScene {
  RealScene() {
    composer.OpenScreen(800, 600, 16, "");
    const std::string share = AEROLARK_SHARE_DIR;
    background = Load(share + "Sunset Red.BMP", kKeyOpaque);
    logo = Load(share + "Logo1.BMP", kKeyOpaque);
    hint = Load(share + "TuneMsg.bmp", kKeyOpaque);
    composer.SetSpriteX(hint, 150);
    composer.SetSpriteY(hint, 250);
    for (const char* name : {"BGbiplane.bmp", "FastJet.bmp"}) {
      flyers.push_back(Load(share + name, kKeyTopLeftTransparent));
    }
    for (int i = 1; i <= 15; ++i) {
      const std::string name = (i < 10 ? "biplane0" : "biplane") + std::to_string(i) + ".bmp";
      flyers.push_back(Load(share + name, kKeyTopLeftTransparent));
    }
    for (std::size_t i = 0; i < flyers.size(); ++i) {
      composer.SetSpriteX(flyers[i], -281 + static_cast<int>(i * 97) % 1086);
      composer.SetSpriteY(flyers[i], static_cast<int>(i * 37) % 500);
    }
  }
  SpriteId Load(const std::string& path, std::int32_t keyMode) {
    const SpriteId id = composer.NewSprite();
    composer.LoadSprite(id, 1, path, keyMode);
    return id;
  }
  void DrawClockAndHint() {
    composer.SetFont("Arial", 16, 1, false, false, false);
    composer.DrawText("12:34:56", 700, 5, PackColour(255, 255, 0));
    composer.DrawSprite(hint);
    composer.SetFont("Arial", 12, 1, false, false, false);
    composer.DrawText("This graphic will disappear in: 9 seconds", 150, 235, PackColour(255, 255, 0));
  }
  void Compose() {
    composer.DrawSprite(background);
    composer.SetFont("Arial", 30, 1, false, false, false);
    composer.DrawText("I'd Rather be Flying", 5, 540, PackColour(0, 255, 255));
    composer.DrawSprite(logo);
    for (SpriteId id : flyers) {
      composer.MoveSpriteX(id, -1);
      composer.DrawSprite(id);
    }
    DrawClockAndHint();
  }

  SdlCodecs codecs;
  SoftwareCompositor composer{*codecs.pictures, *codecs.text};
  SpriteId background = 0, logo = 0, hint = 0;
  std::vector<SpriteId> flyers;
};

void BM_PlainFrameCopy(benchmark::State& state) {
  std::vector<Pixel565> from(800 * 600, 0x1234), to(800 * 600);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size() * sizeof(Pixel565));
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PlainFrameCopy);

void BM_ComposeScene(benchmark::State& state) {
  Scene scene;
  MeasureInFrameCopies(state, [&] { scene.Compose(); });
}
BENCHMARK(BM_ComposeScene);

void BM_ComposeSceneAndFlip(benchmark::State& state) {
  Scene scene;
  MeasureInFrameCopies(state, [&] {
    scene.Compose();
    scene.composer.FlipScreen();
  });
}
BENCHMARK(BM_ComposeSceneAndFlip);

// Most events compose no scene: they only draw the clock and flip.
void BM_ClockOnlyEvent(benchmark::State& state) {
  Scene scene;
  scene.Compose();
  scene.composer.FlipScreen();
  MeasureInFrameCopies(state, [&] {
    scene.DrawClock();
    scene.composer.FlipScreen();
  });
}
BENCHMARK(BM_ClockOnlyEvent);

// The real pictures: a whole scene and its flip; target at most 2 frame copies.
void BM_RealSceneAndFlip(benchmark::State& state) {
  RealScene scene;
  MeasureInFrameCopies(state, [&] {
    scene.Compose();
    scene.composer.FlipScreen();
  });
}
BENCHMARK(BM_RealSceneAndFlip);

// The real pictures: an event that only redraws the clock and the hint.
void BM_RealClockOnlyEvent(benchmark::State& state) {
  RealScene scene;
  scene.Compose();
  scene.composer.FlipScreen();
  MeasureInFrameCopies(state, [&] {
    scene.DrawClockAndHint();
    scene.composer.FlipScreen();
  });
}
BENCHMARK(BM_RealClockOnlyEvent);

}  // namespace
}  // namespace aerolark

BENCHMARK_MAIN();
