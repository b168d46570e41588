// Runs every kept input of one fuzz target (its seed corpus and the inputs
// that once found a fault) through the target, so a fixed fault stays fixed
// in every build, not only the fuzzing one.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

TEST(FuzzReplay, EveryKeptInputPasses) {
  std::stringstream folders(AEROLARK_FUZZ_INPUTS);
  int replayed = 0;
  for (std::string folder; std::getline(folders, folder, ':');) {
    if (!std::filesystem::is_directory(folder)) continue;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      SCOPED_TRACE(entry.path().string());
      std::ifstream in(entry.path(), std::ios::binary);
      const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                            std::istreambuf_iterator<char>());
      // A failed check inside the target aborts, which fails this test with the path shown.
      EXPECT_EQ(LLVMFuzzerTestOneInput(bytes.data(), bytes.size()), 0);
      ++replayed;
    }
  }
  EXPECT_GT(replayed, 0) << "no seed corpus in " << AEROLARK_FUZZ_INPUTS;
}

}  // namespace
