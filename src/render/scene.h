#pragma once
// Everything the frame handler composes from, grouped by concern. The saver
// window owns one Scene and hands it to the frame handler on every frame event.

#include <cstdint>

#include "render/biplane_relay.h"
#include "render/crossing_flyers.h"
#include "render/hints.h"
#include "render/overlays.h"
#include "render/random_altitudes.h"
#include "render/scene_sprites.h"

namespace aerolark {

// Choices read at start that steer the composition and the flight.
struct SceneOptions {
  double backGround = 0;      // 1 black, 2 sky blue, 3 the custom picture, else black
  std::int16_t tunePC = 0;    // a scene on every tunePC-th frame event (0: every one)
  double speed = 0;           // biplane pixels per composed frame
  bool backgroundPlane = false;
  bool aircraft = false;
  double bgFreq = 0;          // seconds the background plane waits parked
  double secDelay = 0;        // seconds the aircraft waits parked
};

struct Scene {
  SceneOptions options;
  SceneSprites sprites;
  Overlays overlays;
  HintState hints;
  BiplaneRelay relay;
  CrossingFlyers crossers;
  RandomAltitudes altitudes;  // one generator for every flyer, in drawing order
  std::int16_t sceneTick = 0; // frame events since the last composed scene
};

}  // namespace aerolark
