#pragma once
// Every flyer alternates a cruise phase and a drift phase, counted in composed
// frames. The flag starts False, so every flyer begins with a drift step; the
// count is never reset when a flyer leaves or is relaunched.

namespace aerolark {

struct FlightPhase {
  bool cruise = false;
  int count = 0;

  // First thing of every step in a phase.
  void Raise() { ++count; }
  // Last thing of a step: a phase of `length` frames ends when the count reaches it.
  void TestLength(int cruiseLength, int driftLength) {
    if (count == (cruise ? cruiseLength : driftLength)) {
      cruise = !cruise;
      count = 0;
    }
  }
};

}  // namespace aerolark
