#pragma once
// The unit composition costs are given in: one plain copy of an 800 x 600
// frame of 16-bit pixels, measured in the same run as what it is compared to.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <vector>

namespace aerolark {

// Microseconds one plain frame copy takes, averaged over many.
inline double FrameCopyMicroseconds() {
  std::vector<std::uint16_t> from(800 * 600, 0x1234), to(800 * 600);
  const int copies = 2000;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < copies; ++i) {
    from[i % from.size()] = static_cast<std::uint16_t>(i);
    std::memcpy(to.data(), from.data(), from.size() * sizeof(std::uint16_t));
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() /
         copies;
}

// Runs `body` for the benchmark's iterations and reports, as `frame_copies`,
// the cost of one of `unitsPerIteration` units of it in frame copies.
template <typename Body>
void MeasureInFrameCopies(benchmark::State& state, Body body, int unitsPerIteration = 1) {
  const double copy = FrameCopyMicroseconds();
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) body();
  const double each =
      std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() /
      static_cast<double>(state.iterations()) / unitsPerIteration;
  state.counters["frame_copy_us"] = copy;
  state.counters["frame_copies"] = each / copy;
}

}  // namespace aerolark
