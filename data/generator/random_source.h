#pragma once
// A fixed-seed random source, so every build draws the same pictures.

#include <cstdint>
#include <random>

namespace aerolark::art {

class RandomSource {
 public:
  explicit RandomSource(std::uint32_t seed) : engine_(seed) {}
  // Uniform in [low, high); computed here rather than by a standard
  // distribution, whose results differ between library versions.
  double Uniform(double low, double high) {
    return low + (high - low) * (static_cast<double>(engine_()) / 4294967296.0);
  }

 private:
  std::mt19937 engine_;
};

}  // namespace aerolark::art
