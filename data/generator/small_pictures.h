#pragma once
#include "raster.h"

namespace aerolark::art {

// Logo1.BMP: the default logo, a small "Aerolark" badge.
Raster MakeLogoPicture();
// preview.bmp: the 153 x 115 still picture of the preview window.
Raster MakePreviewPicture();

}  // namespace aerolark::art
