#pragma once
// The values a hand editor (or a damaged disk) may leave in the settings
// file, and the rig that runs the saver window on them headless.

#include <filesystem>
#include <string>
#include <vector>

#include "support/files.h"

namespace aerolark::hostile {

struct HostileValue {
  std::string label;  // for test names and tables
  std::string value;
  // Written by hand straight into the file (a newline then breaks the line);
  // otherwise written through the store, which quotes what needs quoting.
  bool raw = false;
};

std::vector<HostileValue> HostileValues();

using testing::TempFolder;
using testing::ReadText;
using testing::WriteText;

// Copies the built-in files into `folder` (an install folder the test may damage).
void CopyInstallFolder(const std::filesystem::path& folder);

}  // namespace aerolark::hostile
