#pragma once
// Re-entry heights for the flyers. The generator is never seeded from the
// clock or any other changing source, so every run sees the same sequence.

#include <cstdint>
#include <random>

namespace aerolark {

class RandomAltitudes {
 public:
  // A uniform number in [0, 1).
  double NextUniform();
  // The whole part of a uniform number times 500: 0 to 499.
  int Next();

 private:
  std::mt19937 generator_;  // default seed: a fixed sequence on every platform
};

}  // namespace aerolark
