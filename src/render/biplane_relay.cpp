#include "render/biplane_relay.h"

#include "settings/conversions.h"

namespace aerolark {
namespace {

constexpr int kRight = +1;
constexpr int kLeft = -1;

// The small differences between rows (biplane 11 exits at 805, biplane 4 at
// -284, re-entries at -280, 801 or 805) are part of the choreography.
constexpr std::array<BiplaneRoute, kBiplaneCount> kRoutes = {{
    // startX, startY, dir, exitX, reentryX, reentryY, cruise, drift, driftY, relay mark
    {-281, 180, kRight, 801, -280, 180, 10, 1, +1, 700},
    {805, 200, kLeft, -281, 805, kDrawnAltitude, 1, 4, -1, 100},
    {-281, 180, kRight, 801, -281, kDrawnAltitude, 7, 1, -1, 700},
    {805, 100, kLeft, -284, 801, kDrawnAltitude, 1, 4, -1, 100},
    {-281, 500, kRight, 801, -281, kDrawnAltitude, 5, 1, +1, 700},
    {805, 300, kLeft, -281, 805, kDrawnAltitude, 8, 1, +1, 100},
    {-281, 175, kRight, 801, -281, kDrawnAltitude, 1, 8, -1, 700},
    {805, 70, kLeft, -281, 801, kDrawnAltitude, 1, 5, +1, 100},
    {-281, 290, kRight, 801, -281, kDrawnAltitude, 17, 1, -1, 700},
    {805, 330, kLeft, -281, 805, kDrawnAltitude, 6, 2, -1, 100},
    {-281, 80, kRight, 805, -281, kDrawnAltitude, 6, 1, -1, 700},
    {805, 370, kLeft, -281, 805, kDrawnAltitude, 1, 7, -1, 100},
    {-281, 120, kRight, 801, -281, kDrawnAltitude, 18, 2, -1, 700},
    {805, 250, kLeft, -281, 805, kDrawnAltitude, 1, 10, -1, 100},
    {-281, 365, kRight, 801, -281, kDrawnAltitude, 1, 11, +1, 700},
}};

// "Past" a mark means beyond it in the direction of flight.
bool IsPast(const BiplaneRoute& route, std::int32_t x, int mark) {
  return route.direction == kRight ? x > mark : x < mark;
}

}  // namespace

const std::array<BiplaneRoute, kBiplaneCount>& BiplaneRoutes() { return kRoutes; }

BiplaneRelay::BiplaneRelay() { planes_[0].active = true; }

void BiplaneRelay::Step(DrawingControl& drawing, const SceneSprites& sprites,
                        double speed, RandomAltitudes& altitudes) {
  for (int index = 0; index < kBiplaneCount; ++index) {
    if (!planes_[index].active) continue;
    // Rounded after the sign is applied, so a saturated speed cannot overflow.
    const std::int32_t delta = RoundToInt32(kRoutes[index].direction * speed);
    if (planes_[index].phase.cruise) {
      CruiseStep(index, drawing, sprites.planes[index], delta, altitudes);
    } else {
      DriftStep(index, drawing, sprites.planes[index], delta);
    }
  }
}

void BiplaneRelay::CruiseStep(int index, DrawingControl& drawing, SpriteId sprite,
                              std::int32_t delta, RandomAltitudes& altitudes) {
  const BiplaneRoute& route = kRoutes[index];
  BiplaneState& plane = planes_[index];
  plane.phase.Raise();
  drawing.DrawSprite(sprite);
  drawing.MoveSpriteX(sprite, delta);
  plane.x = drawing.GetSpriteX(sprite);
  if (IsPast(route, plane.x, route.exitX)) {
    plane.active = false;
    drawing.SetSpriteX(sprite, route.reentryX);
    drawing.SetSpriteY(sprite,
                       route.fixedReentryY == kDrawnAltitude ? plane.altitude : route.fixedReentryY);
  }
  plane.phase.TestLength(route.cruiseFrames, route.driftFrames);
  if (IsPast(route, plane.x, route.relayMarkX)) {
    Launch((index + 1) % kBiplaneCount, altitudes);
  }
}

void BiplaneRelay::DriftStep(int index, DrawingControl& drawing, SpriteId sprite,
                             std::int32_t delta) {
  const BiplaneRoute& route = kRoutes[index];
  BiplaneState& plane = planes_[index];
  plane.phase.Raise();
  drawing.DrawSprite(sprite);
  drawing.MoveSpriteY(sprite, route.driftDeltaY);
  drawing.MoveSpriteX(sprite, delta);
  plane.phase.TestLength(route.cruiseFrames, route.driftFrames);
}

void BiplaneRelay::Launch(int index, RandomAltitudes& altitudes) {
  BiplaneState& plane = planes_[index];
  // Launching a flying biplane changes nothing; a waiting one draws the
  // altitude of its next re-entry now (biplane 1 draws one too, unused).
  if (plane.active) return;
  plane.altitude = altitudes.Next();
  plane.active = true;
}

}  // namespace aerolark
