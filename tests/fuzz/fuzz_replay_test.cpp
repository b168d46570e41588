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

std::vector<std::filesystem::path> KeptInputs() {
  std::vector<std::filesystem::path> inputs;
  std::stringstream folders(AEROLARK_FUZZ_INPUTS);
  std::string folder;
  while (std::getline(folders, folder, ':')) {
    if (!std::filesystem::is_directory(folder)) continue;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
  }
  return inputs;
}

TEST(FuzzReplay, EveryKeptInputPasses) {
  const auto inputs = KeptInputs();
  ASSERT_FALSE(inputs.empty()) << "no seed corpus in " << AEROLARK_FUZZ_INPUTS;
  for (const auto& path : inputs) {
    SCOPED_TRACE(path.string());
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    // A failed check inside the target aborts, which fails this test with the path shown.
    EXPECT_EQ(LLVMFuzzerTestOneInput(bytes.data(), bytes.size()), 0);
  }
}

}  // namespace
