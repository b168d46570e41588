#pragma once
// Every file of the install folder and how it is made.

#include <functional>
#include <string>
#include <vector>

#include "hint_art.h"
#include "raster.h"

namespace aerolark::art {

enum class PictureKind {
  Sprite,  // flies over the scene; its top-left colour is transparent
  Whole,   // drawn opaque as it stands
};

struct PictureEntry {
  std::string file;
  PictureKind kind;
  std::function<Raster()> make;
};

std::vector<PictureEntry> PictureCatalogue(TargetSystem system);

// Writes every picture and the sound into `folder` (which must exist), the
// hints telling a user of `system` where the settings are.
void WriteInstallFolder(const std::string& folder, TargetSystem system);

}  // namespace aerolark::art
