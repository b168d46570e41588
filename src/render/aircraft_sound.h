#pragma once
// What the aircraft's flight needs from the engine sound. The flight knows
// nothing about sound numbers or volumes; the sound side decides what plays.

namespace aerolark {

class AircraftSound {
 public:
  virtual ~AircraftSound() = default;
  // A cruise step of the aircraft: the sound starts at most once per pass.
  virtual void CruiseStep() = 0;
  // The aircraft is relaunched: its next cruise step may start the sound again.
  virtual void NewPass() = 0;
};

}  // namespace aerolark
