#pragma once
// The fifteen biplanes' relay: one is launched at start, and each launches the
// next once it has crossed most of the screen, the fifteenth launching the
// first again. Each flies its own route, described by one row of one table.

#include <array>
#include <cstdint>

#include "render/drawing_control.h"
#include "render/flight_phase.h"
#include "render/random_altitudes.h"
#include "render/scene_sprites.h"

namespace aerolark {

struct BiplaneRoute {
  int startX;
  int startY;
  int direction;         // +1 flies right, -1 flies left
  int exitX;             // leaves when X is past this (beyond it in its direction)
  int reentryX;
  int fixedReentryY;     // kDrawnAltitude: the altitude drawn at its launch
  int cruiseFrames;
  int driftFrames;
  int driftDeltaY;       // +1 down, -1 up
  int relayMarkX;        // launches the next biplane while X is past this
};

inline constexpr int kDrawnAltitude = -1;

// Row n - 1 describes biplane n.
const std::array<BiplaneRoute, kBiplaneCount>& BiplaneRoutes();

struct BiplaneState {
  bool active = false;
  FlightPhase phase;
  std::int32_t x = 0;  // read back after the last cruise move
  int altitude = 0;    // re-entry Y after its pass (unless the route fixes one)
};

class BiplaneRelay {
 public:
  // Biplane 1 is flying, every other one waits for the relay.
  BiplaneRelay();

  // One composed frame: every active biplane, 1 to 15 in order, takes a step
  // of `speed` pixels across (rounded half to even, saturated).
  void Step(DrawingControl& drawing, const SceneSprites& sprites, double speed,
            RandomAltitudes& altitudes);

  // Biplane n at index n - 1.
  const BiplaneState& Plane(int index) const { return planes_[index]; }

 private:
  void CruiseStep(int index, DrawingControl& drawing, SpriteId sprite, std::int32_t delta,
                  RandomAltitudes& altitudes);
  void DriftStep(int index, DrawingControl& drawing, SpriteId sprite, std::int32_t delta);
  void Launch(int index, RandomAltitudes& altitudes);

  std::array<BiplaneState, kBiplaneCount> planes_;
};

}  // namespace aerolark
