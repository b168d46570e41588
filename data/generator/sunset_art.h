#pragma once
#include <cairo.h>

#include "raster.h"

namespace aerolark::art {

inline constexpr int kSceneWidth = 800;
inline constexpr int kSceneHeight = 600;

// Paints the sunset over the whole 800 x 600 user space of `cr`.
void DrawSunset(cairo_t* cr);
// "Sunset Red.BMP": the default custom background.
Raster MakeSunsetPicture();

}  // namespace aerolark::art
