#pragma once
#include <string>

namespace aerolark::art {

// Reads the finished files back from `folder` and writes `sheetPng`: every
// picture on a checkerboard (sprites' key shown as the checkerboard) with its
// name and size, and the sound's waveform. Beside it, "mock-scene.png": the
// sunset with the flyers and the logo over it, reduced to 16-bit colour.
void WriteContactSheet(const std::string& folder, const std::string& sheetPng);

}  // namespace aerolark::art
