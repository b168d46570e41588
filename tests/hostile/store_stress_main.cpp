// The store stress for a longer run by hand or from tools/:
//   aerolark_store_stress <settings-file> <seconds>
#include <cstdio>
#include <cstdlib>

#include "hostile/store_stress.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <settings-file> <seconds>\n", argv[0]);
    return 2;
  }
  aerolark::hostile::StressReport report =
      aerolark::hostile::RunStoreStress(argv[1], std::atof(argv[2]));
  std::printf("%s\n", report.Summary().c_str());
  return report.Clean() ? 0 : 1;
}
