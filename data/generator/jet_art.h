#pragma once
#include "raster.h"

namespace aerolark::art {

// FastJet.bmp: a swept-wing jet with its afterburner lit, flying left and
// sinking slowly, so its nose points slightly down.
Raster MakeJetSprite();

}  // namespace aerolark::art
