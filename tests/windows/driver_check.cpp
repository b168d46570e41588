// The Windows drivers against the real system (under Wine in the tests):
// WIC pictures, GDI text, wave-out sound and the GDI windows with their
// event loop.
//
//   driver_check SAMPLES\    runs the checks; exit status 1 if any fails
//
// SAMPLES holds the pictures tests/windows/driver_check.sh makes.

#include <cstdio>
#include <string>

#include "checks.h"

int main(int argc, char** argv) {
  using namespace aerolark::wintest;
  if (argc < 2) {
    std::printf("usage: driver_check SAMPLES\\\n");
    return 2;
  }
  const std::string samples = argv[1];
  Checks checks;
  CheckPictures(checks, samples);
  CheckText(checks);
  CheckSound(checks, samples);
  CheckDisplayEvents(checks, samples);
  std::printf("%d checks, %d failed\n", checks.Count(), checks.Failures());
  std::fflush(stdout);
  return checks.Failures() == 0 ? 0 : 1;
}
