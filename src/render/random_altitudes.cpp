#include "render/random_altitudes.h"

namespace aerolark {

double RandomAltitudes::NextUniform() {
  // Divided by 2^32 by hand: standard distributions may differ between
  // libraries, and the sequence must be the same everywhere.
  return static_cast<double>(generator_()) / 4294967296.0;
}

int RandomAltitudes::Next() { return static_cast<int>(NextUniform() * 500.0); }

}  // namespace aerolark
