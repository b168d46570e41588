#include "render/frame_composer.h"

#include "render/scene_colours.h"

namespace aerolark {
namespace {

constexpr std::int16_t kSceneTickLimit = 20;

void DrawBackground(const SceneOptions& options, SpriteId picture, DrawingControl& drawing) {
  if (options.backGround == 1) {
    drawing.FillScreen(kBlack);
  } else if (options.backGround == 2) {
    drawing.FillScreen(kSkyBlue);
  } else if (options.backGround == 3) {
    // A missing, unreadable or small picture would leave parts of the last
    // frame behind, and the flyers would smear trails across them.
    if (!drawing.SpriteCoversScreen(picture)) drawing.FillScreen(kBlack);
    drawing.DrawSprite(picture);
    drawing.SetSpriteX(picture, 0);
    drawing.SetSpriteY(picture, 0);
  } else {
    drawing.FillScreen(kBlack);
  }
}

void AdvanceSceneTick(Scene& scene) {
  ++scene.sceneTick;
  if (scene.options.tunePC == 0) scene.sceneTick = 0;
  if (scene.sceneTick > kSceneTickLimit) scene.sceneTick = 0;
}

}  // namespace

void ComposeScene(Scene& scene, DrawingControl& drawing, Settings& settings,
                  AircraftSound& sound) {
  DrawBackground(scene.options, scene.sprites.background, drawing);
  scene.overlays.message().Refresh(settings);
  scene.overlays.DrawMessageAndLogo(drawing, scene.sprites);
  if (scene.options.backgroundPlane) {
    scene.crossers.StepBackgroundPlane(drawing, scene.sprites.bgPlane, scene.options.bgFreq,
                                       scene.altitudes);
  }
  if (scene.options.aircraft) {
    scene.crossers.StepAircraft(drawing, scene.sprites.aircraft, scene.options.secDelay,
                                scene.altitudes, sound);
  }
  scene.relay.Step(drawing, scene.sprites, scene.options.speed, scene.altitudes);
}

void DrawFrameEvent(Scene& scene, DrawingControl& drawing, Settings& settings,
                    AircraftSound& sound) {
  if (scene.sceneTick == scene.options.tunePC) {
    ComposeScene(scene, drawing, settings, sound);
    scene.sceneTick = 0;
  }
  AdvanceSceneTick(scene);
  scene.overlays.DrawClockAndHint(drawing, scene.sprites, scene.hints);
  drawing.FlipScreen();
}

}  // namespace aerolark
