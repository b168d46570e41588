#pragma once
// Ways a built-in file can be damaged, applied to a copy of the install folder.

#include <filesystem>
#include <string>
#include <vector>

namespace aerolark::hostile {

enum class Damage { kEmpty, kTruncated, kRandomBytes, kFolder, kHugeBmp, kHugePng, kHugeGif,
                    kHugeJpeg, kLyingPngChunk, kHugeWave };

struct DamageKind {
  Damage damage;
  std::string label;
};

// The damages that apply to a picture, or to the sound.
std::vector<DamageKind> PictureDamages();
std::vector<DamageKind> SoundDamages();

// Replaces the file at `path` as `damage` says.
void ApplyDamage(const std::filesystem::path& path, Damage damage);

}  // namespace aerolark::hostile
