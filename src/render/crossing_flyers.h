#pragma once
// The background plane and the aircraft: each crosses from right to left,
// parks off screen, and is relaunched after the user's interval. Both re-enter
// at one shared altitude, which each draws anew when it is relaunched.

#include <cstdint>

#include "render/aircraft_sound.h"
#include "render/drawing_control.h"
#include "render/flight_phase.h"
#include "render/random_altitudes.h"

namespace aerolark {

enum class CrossingState { Flying, Parked };

struct CrossingFlyer {
  CrossingState state = CrossingState::Flying;
  FlightPhase phase;
  std::int32_t x = 0;  // read back after the last move
  double wait = 0;     // seconds parked, counted by the pause timer
};

class CrossingFlyers {
 public:
  // One composed frame of the background plane; relaunched once parked for
  // more than `bgFreq` - 1 counted seconds.
  void StepBackgroundPlane(DrawingControl& drawing, SpriteId sprite, double bgFreq,
                           RandomAltitudes& altitudes);
  // One composed frame of the aircraft; its cruise steps start the engine sound.
  void StepAircraft(DrawingControl& drawing, SpriteId sprite, double secDelay,
                    RandomAltitudes& altitudes, AircraftSound& sound);
  // A pause-timer second: both wait counts rise and wrap past their interval.
  void CountSecond(double bgFreq, double secDelay);

  const CrossingFlyer& backgroundPlane() const { return bgPlane_; }
  const CrossingFlyer& aircraft() const { return aircraft_; }
  int sharedAltitude() const { return sharedAltitude_; }

 private:
  void Park(DrawingControl& drawing, SpriteId sprite, CrossingFlyer& flyer);
  // Draws the parked flyer at its re-entry place; true when its wait is over.
  bool StepParked(DrawingControl& drawing, SpriteId sprite, const CrossingFlyer& flyer,
                  double interval);
  void Relaunch(CrossingFlyer& flyer, RandomAltitudes& altitudes);

  CrossingFlyer bgPlane_;
  CrossingFlyer aircraft_;
  int sharedAltitude_ = 0;
};

}  // namespace aerolark
