#include "render/crossing_flyers.h"

namespace aerolark {
namespace {

constexpr std::int32_t kParkX = 805;
constexpr int kCruiseFrames = 50;
constexpr int kDriftFrames = 1;

constexpr std::int32_t kBgPlaneDeltaX = -3;
constexpr std::int32_t kBgPlaneExitX = -350;

constexpr std::int32_t kAircraftDeltaX = -7;
// The aircraft leaves earlier on a cruise step than on a drift step.
constexpr std::int32_t kAircraftCruiseExitX = -300;
constexpr std::int32_t kAircraftDriftExitX = -350;

}  // namespace

void CrossingFlyers::StepBackgroundPlane(DrawingControl& drawing, SpriteId sprite,
                                         double bgFreq, RandomAltitudes& altitudes) {
  CrossingFlyer& plane = bgPlane_;
  // Drawn once before its step and once inside it: the picture is composed
  // twice per frame, the second time where the step finds it.
  drawing.DrawSprite(sprite);
  if (plane.state == CrossingState::Parked) {
    if (StepParked(drawing, sprite, plane, bgFreq)) Relaunch(plane, altitudes);
    return;
  }
  const bool cruise = plane.phase.cruise;
  plane.phase.Raise();
  drawing.DrawSprite(sprite);
  if (!cruise) drawing.MoveSpriteY(sprite, +1);
  drawing.MoveSpriteX(sprite, kBgPlaneDeltaX);
  plane.x = drawing.GetSpriteX(sprite);
  if (plane.x < kBgPlaneExitX) Park(drawing, sprite, plane);
  plane.phase.TestLength(kCruiseFrames, kDriftFrames);
}

void CrossingFlyers::StepAircraft(DrawingControl& drawing, SpriteId sprite, double secDelay,
                                  RandomAltitudes& altitudes, AircraftSound& sound) {
  CrossingFlyer& aircraft = aircraft_;
  drawing.DrawSprite(sprite);
  if (aircraft.state == CrossingState::Parked) {
    if (StepParked(drawing, sprite, aircraft, secDelay)) {
      sound.NewPass();
      Relaunch(aircraft, altitudes);
    }
    return;
  }
  const bool cruise = aircraft.phase.cruise;
  aircraft.phase.Raise();
  drawing.DrawSprite(sprite);
  drawing.MoveSpriteY(sprite, +1);  // it sinks on every step
  drawing.MoveSpriteX(sprite, kAircraftDeltaX);
  aircraft.x = drawing.GetSpriteX(sprite);
  if (aircraft.x < (cruise ? kAircraftCruiseExitX : kAircraftDriftExitX)) {
    Park(drawing, sprite, aircraft);
  }
  aircraft.phase.TestLength(kCruiseFrames, kDriftFrames);
  if (cruise) sound.CruiseStep();
}

void CrossingFlyers::CountSecond(double bgFreq, double secDelay) {
  bgPlane_.wait += 1;
  if (bgPlane_.wait > bgFreq) bgPlane_.wait = 0;
  aircraft_.wait += 1;
  if (aircraft_.wait > secDelay) aircraft_.wait = 0;
}

void CrossingFlyers::Park(DrawingControl& drawing, SpriteId sprite, CrossingFlyer& flyer) {
  flyer.wait = 0;
  flyer.state = CrossingState::Parked;
  drawing.SetSpriteX(sprite, kParkX);
  drawing.SetSpriteY(sprite, sharedAltitude_);
}

bool CrossingFlyers::StepParked(DrawingControl& drawing, SpriteId sprite,
                                const CrossingFlyer& flyer, double interval) {
  drawing.DrawSprite(sprite);
  // A parked flyer follows every new altitude the other one draws.
  drawing.SetSpriteX(sprite, kParkX);
  drawing.SetSpriteY(sprite, sharedAltitude_);
  return flyer.wait > interval - 1;
}

void CrossingFlyers::Relaunch(CrossingFlyer& flyer, RandomAltitudes& altitudes) {
  flyer.state = CrossingState::Flying;
  // Used at the next parking of either flyer, not for this pass.
  sharedAltitude_ = altitudes.Next();
}

}  // namespace aerolark
