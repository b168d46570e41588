// Damages one file as the damaged-files tests do, for runs of the real program:
//   aerolark_damage <path> <empty|truncated|random|folder|huge_bmp|huge_png|huge_gif|huge_jpeg|huge_wave>
#include <cstdio>
#include <string>

#include "hostile/damaged_files.h"

int main(int argc, char** argv) {
  using namespace aerolark::hostile;
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <path> <damage>\n", argv[0]);
    return 2;
  }
  std::vector<DamageKind> kinds = PictureDamages();
  for (const DamageKind& k : SoundDamages()) kinds.push_back(k);
  for (const DamageKind& kind : kinds) {
    if (kind.label == argv[2]) {
      ApplyDamage(argv[1], kind.damage);
      return 0;
    }
  }
  std::fprintf(stderr, "unknown damage %s\n", argv[2]);
  return 2;
}
