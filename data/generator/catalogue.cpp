#include "catalogue.h"

#include "assets/builtin_files.h"
#include "biplane_art.h"
#include "file_formats.h"
#include "hint_art.h"
#include "jet_art.h"
#include "propeller_sound.h"
#include "small_pictures.h"
#include "sunset_art.h"

namespace aerolark::art {

std::vector<PictureEntry> PictureCatalogue(TargetSystem system) {
  std::vector<PictureEntry> entries;
  using namespace builtin;
  for (int n = 1; n <= static_cast<int>(kBiplanes.size()); ++n) {
    entries.push_back({std::string(kBiplanes[n - 1]), PictureKind::Sprite,
                       [n] { return MakeBiplaneSprite(n); }});
  }
  entries.push_back({std::string(kBackgroundBiplane), PictureKind::Sprite,
                     MakeBackgroundBiplaneSprite});
  entries.push_back({std::string(kFastJet), PictureKind::Sprite, MakeJetSprite});
  entries.push_back({std::string(kTuneHint), PictureKind::Whole,
                     [system] { return MakeTuneHintPicture(system); }});
  entries.push_back({std::string(kMonitorHint), PictureKind::Whole,
                     [system] { return MakeMonitorHintPicture(system); }});
  entries.push_back({std::string(kSunset), PictureKind::Whole, MakeSunsetPicture});
  entries.push_back({std::string(kLogo), PictureKind::Whole, MakeLogoPicture});
  entries.push_back({std::string(kPreview), PictureKind::Whole, MakePreviewPicture});
  return entries;
}

void WriteInstallFolder(const std::string& folder, TargetSystem system) {
  for (const PictureEntry& entry : PictureCatalogue(system)) WriteBmp24(folder + "/" + entry.file, entry.make());
  WriteWav16(folder + "/" + std::string(builtin::kPropellerSound), SynthesisePropellerPass(), kSoundRate);
}

}  // namespace aerolark::art
