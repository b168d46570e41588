#pragma once
// The folder of the built-in pictures and sound: share/aerolark/ beside the
// program's bin/ folder, found from the program's own path, so the build tree
// and an installed copy both work whatever the current directory.

#include <filesystem>
#include <string>

namespace aerolark {

// With a trailing separator, so built-in names can be appended directly.
std::string InstallFolderFor(const std::filesystem::path& programPath);
// The program's own path (/proc/self/exe); empty when it cannot be known.
std::filesystem::path OwnProgramPath();

}  // namespace aerolark
