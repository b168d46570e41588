#pragma once
#include <cstdint>
#include <vector>

namespace aerolark::art {

inline constexpr int kSoundRate = 22050;

// biplane1.wav: a propeller aircraft passing by, mono 16-bit samples.
std::vector<std::int16_t> SynthesisePropellerPass();

}  // namespace aerolark::art
