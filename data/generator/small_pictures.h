#pragma once
#include <cairo.h>

#include "raster.h"

namespace aerolark::art {

// Logo1.BMP: the default logo, a small "Aerolark" badge.
Raster MakeLogoPicture();
// preview.bmp: the 153 x 115 still picture of the preview window.
Raster MakePreviewPicture();
// The logo's badge: a gold disc of radius 17 around (cx, cy) with a lark in
// flight; the program's icon too.
void DrawLarkBadge(cairo_t* cr, double cx, double cy);

}  // namespace aerolark::art
