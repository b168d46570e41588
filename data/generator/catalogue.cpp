#include "catalogue.h"

#include <cstdio>

#include "biplane_art.h"
#include "file_formats.h"
#include "hint_art.h"
#include "jet_art.h"
#include "propeller_sound.h"
#include "small_pictures.h"
#include "sunset_art.h"

namespace aerolark::art {

std::vector<PictureEntry> PictureCatalogue() {
  std::vector<PictureEntry> entries;
  for (int n = 1; n <= 15; ++n) {
    char name[32];
    std::snprintf(name, sizeof name, "biplane%02d.bmp", n);
    entries.push_back({name, PictureKind::Sprite, [n] { return MakeBiplaneSprite(n); }});
  }
  entries.push_back({"BGbiplane.bmp", PictureKind::Sprite, MakeBackgroundBiplaneSprite});
  entries.push_back({"FastJet.bmp", PictureKind::Sprite, MakeJetSprite});
  entries.push_back({"TuneMsg.bmp", PictureKind::Whole, MakeTuneHintPicture});
  entries.push_back({"monitor.bmp", PictureKind::Whole, MakeMonitorHintPicture});
  entries.push_back({"Sunset Red.BMP", PictureKind::Whole, MakeSunsetPicture});
  entries.push_back({"Logo1.BMP", PictureKind::Whole, MakeLogoPicture});
  entries.push_back({"preview.bmp", PictureKind::Whole, MakePreviewPicture});
  return entries;
}

void WriteInstallFolder(const std::string& folder) {
  for (const PictureEntry& entry : PictureCatalogue()) WriteBmp24(folder + "/" + entry.file, entry.make());
  WriteWav16(folder + "/" + kSoundFile, SynthesisePropellerPass(), kSoundRate);
}

}  // namespace aerolark::art
