#include "assets/sprite_loading.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "assets/builtin_files.h"
#include "render/biplane_relay.h"
#include "settings/conversions.h"
#include "settings/setting_keys.h"
#include "settings/utf8_paths.h"

namespace aerolark {
namespace {

using builtin::PathIn;
static_assert(builtin::kBiplanes.size() == kBiplaneCount);

constexpr std::int32_t kScreenWidth = 800;
constexpr std::int32_t kScreenHeight = 600;
constexpr std::int32_t kScreenBitDepth = 16;
constexpr std::int32_t kOneFrame = 1;
constexpr std::int32_t kHintX = 150;
constexpr std::int32_t kHintY = 250;

// Every sprite follows one pattern: a new id, its picture, then its place.
// The hint pictures are placed Y first; every other sprite X first.
SpriteId MakeSprite(DrawingControl& drawing, const std::string& path, std::int32_t keyMode,
                    std::int32_t x, std::int32_t y) {
  SpriteId id = drawing.NewSprite();
  drawing.LoadSprite(id, kOneFrame, path, keyMode);
  drawing.SetSpriteX(id, x);
  drawing.SetSpriteY(id, y);
  return id;
}

SpriteId MakeHintSprite(DrawingControl& drawing, const std::string& path) {
  SpriteId id = drawing.NewSprite();
  drawing.LoadSprite(id, kOneFrame, path, kKeyOpaque);
  drawing.SetSpriteY(id, kHintY);
  drawing.SetSpriteX(id, kHintX);
  return id;
}

void LoadHints(LoadedPictures& loaded, DrawingControl& drawing, Settings& settings,
               const std::string& installFolder) {
  loaded.monitorShown = MarkerRead(ReadSetting(settings, Key::RunMonitor));
  if (!loaded.monitorShown) {
    loaded.sprites.monitor = MakeHintSprite(drawing, PathIn(installFolder, builtin::kMonitorHint));
  }
  loaded.tuneShown = MarkerRead(ReadSetting(settings, Key::TuneScrSvr));
  if (!loaded.tuneShown) {
    loaded.sprites.tuneMsg = MakeHintSprite(drawing, PathIn(installFolder, builtin::kTuneHint));
  }
}

// The user's pictures are loaded from the full paths stored, wherever they
// are. A built-in picture whose stored path is gone, because the install
// folder that stored it moved (a build tree deleted after installing, an
// upgrade to another prefix, an unpacked folder moved), is taken from the
// folder the program runs from; the stored text stays as it is.
std::string UserPicturePath(const std::string& stored, const std::string& installFolder) {
  std::error_code error;
  if (std::filesystem::exists(PathFromUtf8(stored), error)) return stored;
  const std::size_t separator = stored.find_last_of("/\\");
  const std::string_view name =
      std::string_view(stored).substr(separator == std::string::npos ? 0 : separator + 1);
  const bool builtIn =
      std::find(builtin::kAllFiles.begin(), builtin::kAllFiles.end(), name) != builtin::kAllFiles.end();
  return builtIn ? PathIn(installFolder, name) : stored;
}

void LoadUserPictures(LoadedPictures& loaded, DrawingControl& drawing, Settings& settings,
                      const std::string& installFolder) {
  loaded.backGround = NumericRead(ReadSetting(settings, Key::BackGround));
  if (loaded.backGround == 3) {
    const std::string path = UserPicturePath(ReadSetting(settings, Key::BMPFileName), installFolder);
    loaded.sprites.background = MakeSprite(drawing, path, kKeyOpaque, 0, 0);
  }
  loaded.logoChecked = NumericRead(ReadSetting(settings, Key::LogoChecked));
  if (loaded.logoChecked == 1) {
    const std::string path = UserPicturePath(ReadSetting(settings, Key::LogoFileName), installFolder);
    loaded.sprites.logo = MakeSprite(drawing, path, kKeyOpaque, 1, 20);
  }
}

void LoadFlyers(LoadedPictures& loaded, DrawingControl& drawing, Settings& settings,
                const std::string& installFolder) {
  loaded.sprites.aircraft =
      MakeSprite(drawing, PathIn(installFolder, builtin::kFastJet),
                                       kKeyTopLeftTransparent, 805, 75);
  loaded.planeBG = ReadSetting(settings, Key::PlaneBG);
  loaded.sprites.bgPlane =
      MakeSprite(drawing, PathIn(installFolder, builtin::kBackgroundBiplane),
                                      kKeyTopLeftTransparent, 805, 350);
  for (int n = 1; n <= kBiplaneCount; ++n) {
    const BiplaneRoute& route = BiplaneRoutes()[n - 1];
    loaded.sprites.planes[n - 1] =
        MakeSprite(drawing, PathIn(installFolder, builtin::kBiplanes[n - 1]),
                   kKeyTopLeftTransparent, route.startX, route.startY);
  }
}

}  // namespace

LoadedPictures OpenDrawingSession(DrawingControl& drawing, Settings& settings,
                                  const std::string& installFolder, bool oneTimeHints) {
  LoadedPictures loaded;
  loaded.screenOpen = drawing.OpenScreen(kScreenWidth, kScreenHeight, kScreenBitDepth, "");
  if (!loaded.screenOpen) return loaded;
  if (oneTimeHints) {
    LoadHints(loaded, drawing, settings, installFolder);
  } else {
    loaded.tuneShown = loaded.monitorShown = true;
  }
  LoadUserPictures(loaded, drawing, settings, installFolder);
  LoadFlyers(loaded, drawing, settings, installFolder);
  return loaded;
}

}  // namespace aerolark
