#pragma once
// The biplane: one drawing, painted in a livery, facing either way.

#include <cairo.h>

#include "liveries.h"
#include "raster.h"

namespace aerolark::art {

// The drawing's own box, nose to the right: x 0..kBiplaneWidth, y 0..kBiplaneHeight.
inline constexpr double kBiplaneWidth = 240;
inline constexpr double kBiplaneHeight = 96;

// Draws into the current user space of `cr` (the caller scales and places).
// `facingLeft` mirrors the plane but keeps its number readable.
void DrawBiplane(cairo_t* cr, const Livery& livery, int number, bool facingLeft);

// biplaneNN.bmp: odd numbers fly right, even fly left.
Raster MakeBiplaneSprite(int number);
// BGbiplane.bmp: a small, hazy biplane far away, flying left.
Raster MakeBackgroundBiplaneSprite();

}  // namespace aerolark::art
