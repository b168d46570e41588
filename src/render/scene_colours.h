#pragma once
// The four colours the scene uses.

#include "render/drawing_control.h"

namespace aerolark {

inline constexpr Colour kBlack = PackColour(0, 0, 0);
inline constexpr Colour kSkyBlue = PackColour(0, 226, 251);
inline constexpr Colour kCyan = PackColour(0, 255, 255);
inline constexpr Colour kYellow = PackColour(255, 255, 0);

}  // namespace aerolark
